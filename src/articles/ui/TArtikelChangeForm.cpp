#include "articles/ui/TArtikelChangeForm.h"

#include "articles/TArtikelModul.h"
#include "articles/ui/ArticleTableModel.h"
#include "articles/ui/TVaChooseForm.h"
#include "core/GermanFormat.h"
#include "widgets/FieldWidth.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace korbelant {

namespace {

// Article numbers are typed in capitals.
void upperCase(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    });
}

} // namespace

TArtikelChangeForm::TArtikelChangeForm(TArtikelModul& modul, const ArticleRecord& article,
                                       const QString& originalLNr, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_article(article), m_originalLNr(originalLNr),
      m_lNr(new QLineEdit(this)), m_zNr(new QLineEdit(this)), m_sterne(new QSpinBox(this)),
      m_va(new QLineEdit(this)), m_text(new QLineEdit(this)), m_preis(amountBox()), m_muster(amountBox()),
      m_bonus(amountBox()), m_berPreis(amountBox()), m_provSatz(amountBox()),
      m_vkSperre(new QCheckBox(QStringLiteral("Verkaufssperre"), this)),
      m_muSperr(new QCheckBox(QStringLiteral("Mustersperre"), this)), m_freigabe(new QLabel(this)),
      m_sperre(new QLabel(this)), m_datum(new QLabel(this)), m_bestand(new QSpinBox(this)),
      m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Vorlix Soft - Korbelant - Artikel"));
    m_lNr->setMaxLength(modul.rules().maxLengthLNr());
    m_zNr->setMaxLength(modul.rules().maxLengthZNr());
    m_va->setMaxLength(2);
    m_text->setMaxLength(40);
    FieldWidth::fit(m_text, m_text->maxLength());
    upperCase(m_lNr);
    m_sterne->setRange(std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
    m_bestand->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());

    auto* chooser = new QToolButton(this);
    chooser->setText(QStringLiteral("..."));
    connect(chooser, &QToolButton::clicked, this, [this] { chooseKind(); });
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_va);
    kindRow->addWidget(chooser);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Artikel-Nr. :"), m_lNr);
    form->addRow(QStringLiteral("Bestell-Nr. :"), m_zNr);
    form->addRow(QStringLiteral("Sterne :"), m_sterne);
    form->addRow(QStringLiteral("VA-Nr. :"), kindRow);
    form->addRow(QStringLiteral("Text :"), m_text);
    form->addRow(QStringLiteral("Preis :"), m_preis);
    form->addRow(QStringLiteral("Musterpreis :"), m_muster);
    form->addRow(QStringLiteral("Vitalic-Bonus :"), m_bonus);
    form->addRow(QStringLiteral("Beraterin-Preis :"), m_berPreis);
    form->addRow(QStringLiteral("Provisions-Satz :"), m_provSatz);
    form->addRow(QString(), m_vkSperre);
    form->addRow(QString(), m_muSperr);
    form->addRow(QStringLiteral("Freigabe ab Woche :"), m_freigabe);
    form->addRow(QStringLiteral("Sperre ab Woche :"), m_sperre);
    form->addRow(QStringLiteral("Aktualisierungsdatum :"), m_datum);
    form->addRow(QStringLiteral("Bestand :"), m_bestand);
    form->addRow(QStringLiteral("Status :"), m_status);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    load(article);
}

QDoubleSpinBox* TArtikelChangeForm::amountBox()
{
    auto* box = new QDoubleSpinBox(this);
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setDecimals(2);
    box->setRange(-1e9, 1e9);
    return box;
}

void TArtikelChangeForm::load(const ArticleRecord& a)
{
    m_lNr->setText(a.lNr);
    m_zNr->setText(a.zNr);
    m_sterne->setValue(a.sterne);
    m_va->setText(a.va);
    m_text->setText(a.lText);
    m_text->setCursorPosition(0); // the text is read from its beginning
    m_preis->setValue(a.preis);
    m_muster->setValue(a.muster);
    m_bonus->setValue(a.va38);
    m_berPreis->setValue(a.berPreis);
    m_provSatz->setValue(a.provSatz);
    m_vkSperre->setChecked(a.vkSperre == QStringLiteral("J"));
    m_muSperr->setChecked(a.muSperr == QStringLiteral("J"));
    m_freigabe->setText(ArticleFieldRules::weekDisplay(a.wFreigab));
    m_sperre->setText(ArticleFieldRules::weekDisplay(a.wSperre));
    m_datum->setText(GermanFormat::date(a.fgDatum));
    m_bestand->setValue(a.bestand);
    m_status->setText(ArticleTableModel::statusSymbol(static_cast<int>(ArticleFieldRules::status(a, false))));
}

ArticleRecord TArtikelChangeForm::entered() const
{
    ArticleRecord a = m_article;
    a.lNr = m_lNr->text();
    a.zNr = m_zNr->text();
    a.sterne = m_sterne->value();
    a.va = m_va->text().trimmed();
    a.lText = m_text->text();
    a.preis = m_preis->value();
    a.muster = m_muster->value();
    a.va38 = m_bonus->value();
    a.berPreis = m_berPreis->value();
    a.provSatz = m_provSatz->value();
    a.vkSperre = m_vkSperre->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    a.muSperr = m_muSperr->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    a.bestand = m_bestand->value();
    return a;
}

bool TArtikelChangeForm::okClicked()
{
    ArticleRecord a = entered();
    if (m_modul.saveArticle(a, m_originalLNr) != TArtikelModul::SaveResult::Saved)
        return false;
    accept();
    return true;
}

void TArtikelChangeForm::chooseKind()
{
    TVaChooseForm chooser(m_modul.kinds(), m_va->text(), this);
    if (chooser.exec() == QDialog::Accepted && !chooser.chosen().isEmpty())
        m_va->setText(chooser.chosen());
    m_va->setFocus();
}

void TArtikelChangeForm::keyPressEvent(QKeyEvent* event)
{
    // Enter moves on to the next field, as in the other entry windows.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace korbelant
