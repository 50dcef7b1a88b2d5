#include <QtTest>
class tst_review : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(tst_review)
#include "tst_review.moc"
