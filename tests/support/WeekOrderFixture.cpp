#include "support/WeekOrderFixture.h"

#include "reports/ReportLayout.h"
#include "reports/ReportRegistry.h"
#include "support/CliRun.h"
#include "support/PdfText.h"

namespace korbelant::test {

WeekOrderFixture::WeekOrderFixture()
{
    options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
    options().setText(QStringLiteral("Gruppen_NR"), QStringLiteral("12"));
    addCustomer(QStringLiteral("200001"), {{QStringLiteral("NAME"), QStringLiteral("Brandt")},
                                           {QStringLiteral("VORNAME"), QStringLiteral("Ute")},
                                           {QStringLiteral("STRASSE"), QStringLiteral("Hauptstr. 1")},
                                           {QStringLiteral("PLZ"), QStringLiteral("34117")},
                                           {QStringLiteral("ORT"), QStringLiteral("Kassel")},
                                           {QStringLiteral("TELEFON"), QStringLiteral("0561 123")}});
    addCustomer(QStringLiteral("200002"), {{QStringLiteral("NAME"), QStringLiteral("Roth")},
                                           {QStringLiteral("VORNAME"), QStringLiteral("Eva")}});
    addCustomer(QStringLiteral("200003"), {{QStringLiteral("NAME"), QStringLiteral("Gast")},
                                           {QStringLiteral("VORNAME"), QStringLiteral("Gerda")},
                                           {QStringLiteral("TELEFON"), QStringLiteral("0561 999")}});
    addCustomer(QStringLiteral("200004"), {{QStringLiteral("NAME"), QStringLiteral("Benannt")},
                                           {QStringLiteral("VORNAME"), QStringLiteral("Berta")},
                                           {QStringLiteral("STRASSE"), QStringLiteral("Weg 2")},
                                           {QStringLiteral("PLZ"), QStringLiteral("34119")},
                                           {QStringLiteral("ORT"), QStringLiteral("Kassel")}});
    for (const char* article : {"T10", "T20", "T30"})
        addArticle(QString::fromLatin1(article), QStringLiteral("10"), 10.0, 2);
    addArticle(QStringLiteral("S32"), QStringLiteral("32"), 5.0);
    db().run(QStringLiteral("UPDATE Lager SET AKTIV = (L_NR <> 'T20')"));

    a = makeParty(QDate(2026, 1, 20), QStringLiteral("200001"), QStringLiteral("A"));
    b = makeParty(QDate(2026, 1, 21), QStringLiteral("200002"), QStringLiteral("A"));
    const QString host = QStringLiteral("01");
    const QString booked = addGuest(a, QStringLiteral("200003"));
    const QString nominated = addGuest(a, QStringLiteral("200004"));
    db().run(QStringLiteral("UPDATE Tupper SET Verabredung = 1, Verabred_DATUM = '2026-02-03' "
                            "WHERE R_NR = ? AND P_NR = ?"),
             {a, booked});
    db().run(QStringLiteral(
                 "UPDATE Tupper SET BENENNUNG = 1, BENE_DATUM = '2026-01-20' WHERE R_NR = ? AND P_NR = ?"),
             {a, nominated});
    db().run(
        QStringLiteral("UPDATE Tuppkopf SET VERABRED = 1, BENENN_TUP = 1, BZH_VF_NR = 'V1' WHERE R_NR = ?"),
        {a});
    enter(a, host, QStringLiteral("T10"), QStringLiteral("10"), 2);
    enter(a, booked, QStringLiteral("T20"), QStringLiteral("10"), 1);
    enter(a, booked, QStringLiteral("T30"), QStringLiteral("10"), 0);
    enter(a, host, QStringLiteral("S32"), QStringLiteral("32"), 3);
    enter(a, booked, QStringLiteral("T10"), QStringLiteral("10"), 1);
    enter(a, nominated, QStringLiteral("T10"), QStringLiteral("10"), 1);
    enter(b, host, QStringLiteral("T30"), QStringLiteral("10"), 4);
    enter(b, host, QStringLiteral("T20"), QStringLiteral("10"), 1);
    db().run(QStringLiteral("UPDATE Tuppkopf SET BZH_VF_NR = 'V2' WHERE R_NR = ?"), {b});
    // Lines of other kinds: own stock (90) and exchanges (98, 99).
    db().run(QStringLiteral("UPDATE Tupper1 SET VA = '90' WHERE R_NR = ? AND P_NR = ? AND L_NR = 'T10'"),
             {a, booked});
    db().run(QStringLiteral("UPDATE Tupper1 SET VA = '98', FEHL_CODE = '001' WHERE R_NR = ? AND P_NR = ?"),
             {a, nominated});
    db().run(
        QStringLiteral("UPDATE Tupper1 SET VA = '99', FEHL_CODE = '002' WHERE R_NR = ? AND L_NR = 'T20'"),
        {b});
    db().run(QStringLiteral("UPDATE MWoche SET REK_BESUCH = 2, VORFUEHR_1 = 3, VORFUEHR_6 = 7, "
                            "Bemerkung = 'Bitte anrufen' WHERE MWoche = '202604'"));
    options().SaveOptions();
}

ReportDocument WeekOrderFixture::report(const QString& name, const QString& from, const QString& to)
{
    QStringList args{all.week};
    if (!from.isEmpty())
        args << QStringLiteral("--von") << from << QStringLiteral("--bis") << to;
    return ReportRegistry::standard().build(name, *m_set, args);
}

QStringList WeekOrderFixture::texts(const ReportDocument& document)
{
    QStringList result;
    for (const ReportPage& page : ReportLayout::layout(document))
        result << page.texts();
    return result;
}

bool WeekOrderFixture::hasText(const ReportDocument& document, const QString& text)
{
    return texts(document).contains(text);
}

QString WeekOrderFixture::pdfText(const QString& name)
{
    const QString pdf = m_home.root() + QLatin1Char('/') + name + QStringLiteral(".pdf");
    const CliRun run = runCli({QStringLiteral("--home"), m_home.root(), QStringLiteral("report"), name,
                               all.week, QStringLiteral("--pdf"), pdf});
    if (run.exitCode != 0)
        return run.err;
    QStringList lines;
    for (const QString& line : pdfLayoutText(pdf).split(QLatin1Char('\n')))
        lines << line.simplified();
    return lines.join(QLatin1Char('\n'));
}

} // namespace korbelant::test
