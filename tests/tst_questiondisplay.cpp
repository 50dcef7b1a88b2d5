#include <QtTest>
class tst_questiondisplay : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_questiondisplay)
#include "tst_questiondisplay.moc"
