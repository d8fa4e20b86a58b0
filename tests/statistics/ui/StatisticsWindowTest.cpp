#include "core/Database.h"
#include "core/Schema.h"
#include "statistics/ui/TSatistikForm.h"
#include "statistics/ui/TStatistikChartForm.h"
#include "statistics/ui/TStatistikChartView.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"
#include "support/PartyBuilder.h"

#include <QBarSet>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

using View = TSatistikForm::View;

// Parties in the current year (the window's first period): customer 100001 hosts the first and
// is guest at every other one; one party was sent to the distributor.
class StatisticsWindowTest : public DataSetFixture
{
protected:
    void SetUp() override
    {
        const QString year = QString::number(QDate::currentDate().year());
        for (int n = 1; n <= 45; ++n) {
            const QString k = QString::number(200000 + n);
            const QString r = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
            CustomerBuilder(k)
                .name(QStringLiteral("Kundin%1").arg(n), QStringLiteral("Eva"))
                .insertInto(db());
            PartyBuilder(r)
                .week(year + QStringLiteral("%1").arg(n % 50 + 1, 2, 10, QLatin1Char('0')), "1")
                .host(k)
                .with(QStringLiteral("S_UMSATZ"), 10.0 * n)
                .with(QStringLiteral("STERNE"), n)
                .with(QStringLiteral("ERSTELLT"), n == 2 ? 1 : 0)
                .insertInto(db());
            participant(r, "01", k, n == 1 ? "0" : "1", n, n % 2 == 0);
            if (n > 1)
                participant(r, "02", QStringLiteral("200001"), "0", 1, false);
        }
        db().insert(Schema::get(QStringLiteral("Tupper1")),
                    {{QStringLiteral("R_NR"), QStringLiteral("0001")},
                     {QStringLiteral("P_NR"), QStringLiteral("01")},
                     {QStringLiteral("L_NR"), QStringLiteral("A100")},
                     {QStringLiteral("VA"), QStringLiteral("10")},
                     {QStringLiteral("MWoche"), year + QStringLiteral("02")},
                     {QStringLiteral("STUECK"), 3},
                     {QStringLiteral("SUMME"), 30}});
    }
    void participant(const QString& r, const char* p, const QString& k, const char* type, double turnover,
                     bool unpaid)
    {
        db().insert(Schema::get(QStringLiteral("Tupper")),
                    {{QStringLiteral("R_NR"), r},
                     {QStringLiteral("P_NR"), QString::fromLatin1(p)},
                     {QStringLiteral("K_NR"), k},
                     {QStringLiteral("V_GTYP"), QString::fromLatin1(type)},
                     {QStringLiteral("UMSATZ"), turnover},
                     {QStringLiteral("BEZAHLT"), unpaid ? 0 : 1},
                     {QStringLiteral("MWoche"),
                      QString::number(QDate::currentDate().year()) + QStringLiteral("10")}});
    }
    static QColor headColor(QTableWidget* grid, int column)
    {
        return grid->horizontalHeaderItem(column)->foreground().color();
    }
};

TEST_F(StatisticsWindowTest, OpensOnTheCustomersOfTheYear)
{
    TSatistikForm form(*m_set, ui(), QStringLiteral("Korbelant"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vorlix-Soft - Korbelant Statistische Auswertung"));
    EXPECT_EQ(form.hostMarkersCorrected(), 1);
    EXPECT_EQ(form.fromWeek()->text() + form.toWeek()->text(), QStringLiteral("0153"));
    EXPECT_TRUE(form.viewButton(View::Kunden)->isChecked());
    EXPECT_FALSE(form.customerPanel()->isHidden());
    EXPECT_TRUE(form.articlePanel()->isHidden());
    QTableWidget* grid = form.grid(View::Kunden);
    ASSERT_EQ(grid->rowCount(), 45);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("200001"));
    EXPECT_EQ(grid->item(0, 9)->text(), QStringLiteral("45"));
    EXPECT_EQ(headColor(grid, 3), QColor(Qt::red));

    form.customerSort()->setCurrentIndex(2); // "Umsatz/Vorführung" marks Ums./Vorf.
    EXPECT_EQ(headColor(grid, 5), QColor(Qt::red));
    EXPECT_NE(headColor(grid, 3), QColor(Qt::red));
    form.minimum()->setValue(2);
    EXPECT_EQ(grid->rowCount(), 45) << "a new sort or minimum takes effect at the next run";
    form.start();
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(form.customerRows().size(), 1u);
    EXPECT_EQ(form.document().sections.front().rowCount(), 1);

    ui().addDate(QDate(2003, 4, 10));
    form.pickWeek(form.fromYear(), form.fromWeek());
    EXPECT_EQ(form.period().from, QStringLiteral("200315"));
    ui().addDate(QDate());
    form.pickWeek(form.toYear(), form.toWeek());
    EXPECT_TRUE(form.toYear()->text().isEmpty() && form.toWeek()->text().isEmpty());
}

TEST_F(StatisticsWindowTest, ViewsAndTheirPrints)
{
    TSatistikForm form(*m_set, ui(), QStringLiteral("Korbelant"));
    form.viewButton(View::Bezahlt)->click();
    EXPECT_EQ(form.view(), View::Bezahlt);
    EXPECT_EQ(form.grid(View::Bezahlt)->rowCount(), 22);
    EXPECT_EQ(form.grid(View::Bezahlt)->item(0, 7)->text(), QStringLiteral("nicht bezahlt"));
    EXPECT_EQ(form.document().title,
              QStringLiteral("Übersicht aller als \"nicht bezahlt\" markierten Bestellungen"));

    form.viewButton(View::Wochen)->click();
    QTableWidget* weeks = form.grid(View::Wochen);
    ASSERT_EQ(weeks->rowCount(), 45);
    int sent = 0;
    for (int r = 0; r < weeks->rowCount(); ++r)
        sent += weeks->item(r, 12)->icon().isNull() ? 0 : 1;
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(form.document().title, QStringLiteral("Wochenübersicht"));

    form.viewButton(View::Artikel)->click();
    EXPECT_FALSE(form.articlePanel()->isHidden());
    EXPECT_EQ(form.grid(View::Artikel)->rowCount(), 0) << "the article views run on Starten";
    form.articleEdit()->setText(QStringLiteral("A1"));
    form.start();
    EXPECT_EQ(form.grid(View::Artikel)->rowCount(), 1);

    form.viewButton(View::Hitliste)->click();
    EXPECT_EQ(form.bestSellerSort()->currentText(), QStringLiteral("Gesamtumsatz"));
    EXPECT_EQ(headColor(form.grid(View::Hitliste), 8), QColor(Qt::red));
    EXPECT_EQ(form.grid(View::Hitliste)->rowCount(), 0);
    form.start();
    ASSERT_EQ(form.grid(View::Hitliste)->rowCount(), 1);
    EXPECT_EQ(form.grid(View::Hitliste)->item(0, 8)->text(), QStringLiteral("30,00"));
    EXPECT_TRUE(form.document().subtitle.startsWith(
        QStringLiteral("Übersicht von Artikel A1*  mit der VA Alle  der Wochen ")));
}

TEST_F(StatisticsWindowTest, ChartPagesThreeDAndSaving)
{
    TSatistikForm form(*m_set, ui(), QStringLiteral("Korbelant"));
    TStatistikChartForm chart(ui());
    chart.setRows(form.customerRows());
    EXPECT_EQ(chart.windowTitle(), QStringLiteral("Statistische Auswertung als Grafik"));
    EXPECT_EQ(chart.pageLabel()->text(), QStringLiteral("Seite 1 von 3"));
    EXPECT_EQ(chart.chart()->labels().size(), 20);
    EXPECT_EQ(chart.chart()->set(0)->label(), QStringLiteral("Umsatz"));
    EXPECT_EQ(chart.chart()->set(1)->label(), QStringLiteral("Ums / Gastg"));
    EXPECT_EQ(chart.chart()->set(2)->label(), QStringLiteral("Sterne"));
    EXPECT_EQ(chart.chart()->labels().front(), QStringLiteral("Kundin1 Eva"));
    chart.button(QStringLiteral(">"))->click();
    chart.button(QStringLiteral(">"))->click();
    EXPECT_EQ(chart.pageLabel()->text(), QStringLiteral("Seite 3 von 3"));
    EXPECT_EQ(chart.chart()->labels().size(), 5);
    chart.button(QStringLiteral(">"))->click();
    EXPECT_EQ(chart.pageLabel()->text(), QStringLiteral("Seite 3 von 3"));
    chart.button(QStringLiteral("<<"))->click();
    EXPECT_EQ(chart.pageLabel()->text(), QStringLiteral("Seite 1 von 3"));
    chart.button(QStringLiteral(">>"))->click();
    EXPECT_EQ(chart.pageLabel()->text(), QStringLiteral("Seite 3 von 3"));
    chart.button(QStringLiteral("3D"))->click();
    EXPECT_TRUE(chart.chart()->threeD());

    const QString bmp = m_home.root() + QStringLiteral("/kunden");
    const QString png = m_home.root() + QStringLiteral("/kunden.png");
    ui().addFile(bmp);
    ui().addFile(png);
    EXPECT_TRUE(chart.save());
    EXPECT_TRUE(chart.save());
    EXPECT_FALSE(chart.save()) << "no file chosen";
    EXPECT_FALSE(QImage(bmp + QStringLiteral(".BMP"), "BMP").isNull());
    EXPECT_FALSE(QImage(png, "PNG").isNull());
    if (const QByteArray dir = qgetenv("KORBELANT_CHART_PICTURES"); !dir.isEmpty())
        QFile::copy(png, QString::fromLocal8Bit(dir) + QStringLiteral("/statistik-grafik.png"));
}

} // namespace

} // namespace korbelant::test
