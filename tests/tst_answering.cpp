#include <QtTest>
class tst_answering : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_answering)
#include "tst_answering.moc"
