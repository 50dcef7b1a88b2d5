#include <QtTest>
class tst_shippedcontent : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_shippedcontent)
#include "tst_shippedcontent.moc"
