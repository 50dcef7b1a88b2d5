#include <QtTest>
class tst_contentcompiler : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_contentcompiler)
#include "tst_contentcompiler.moc"
