// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ExportListingsDialog.h"

#include "controls/xpbutton/XpButton.h"
#include "listings/ListingSite.h"
#include "ui/FormControls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <iterator>

namespace {

// The conditions offered by name, in the order of the list; the last entry takes any number.
struct Condition {
    const char* name;
    int id;
};
constexpr Condition kConditions[] = {
    {"New", ListingOptions::ConditionNew},
    {"Used", ListingOptions::ConditionUsed},
    {"For parts or not working", ListingOptions::ConditionForParts},
};

QLabel* Label(QWidget* parent, const char* name, const char* text, const QRect& place,
              QWidget* buddy) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

ExportListingsDialog::ExportListingsDialog(const ListingOptions& start, QWidget* parent)
    : QDialog(parent) {
    FormControls::MakeFixedDialog(this, QStringLiteral("frmExport"),
                                  QStringLiteral("Export for eBay"), ClientWidthTwips,
                                  ClientHeightTwips);

    m_siteChoice = new QComboBox(this);
    m_siteChoice->setObjectName(QStringLiteral("SiteChoice"));
    m_siteChoice->setGeometry(FormControls::Place(2160, 120, 4320, 375));
    for (const ListingSite& site : ListingSite::All())
        m_siteChoice->addItem(QStringLiteral("%1 (%2)").arg(site.name, site.currencyName),
                              site.code);
    Label(this, "SiteLabel", "S&ite:", FormControls::Place(120, 180, 1980, 255), m_siteChoice);

    m_conditionChoice = new QComboBox(this);
    m_conditionChoice->setObjectName(QStringLiteral("ConditionChoice"));
    m_conditionChoice->setGeometry(FormControls::Place(2160, 600, 2760, 375));
    for (const Condition& condition : kConditions)
        m_conditionChoice->addItem(
            QStringLiteral("%1 (%2)").arg(QLatin1String(condition.name)).arg(condition.id),
            condition.id);
    m_conditionChoice->addItem(QStringLiteral("Another number"), 0);
    m_conditionId = new QLineEdit(this);
    m_conditionId->setObjectName(QStringLiteral("ConditionId"));
    m_conditionId->setGeometry(FormControls::Place(5040, 600, 1440, 375));
    m_conditionId->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_conditionId));
    m_conditionId->setToolTip(QStringLiteral("eBay's number of the items' condition"));
    Label(this, "ConditionLabel", "&Condition:", FormControls::Place(120, 660, 1980, 255),
          m_conditionChoice);

    m_dispatchDays = new QSpinBox(this);
    m_dispatchDays->setObjectName(QStringLiteral("DispatchDays"));
    m_dispatchDays->setGeometry(FormControls::Place(2160, 1080, 1080, 375));
    m_dispatchDays->setRange(0, ListingOptions::MostDispatchDays);
    m_dispatchDays->setSuffix(QStringLiteral(" days"));
    Label(this, "DispatchLabel", "&Dispatch within:", FormControls::Place(120, 1140, 1980, 255),
          m_dispatchDays);

    m_postalCode = new QLineEdit(this);
    m_postalCode->setObjectName(QStringLiteral("PostalCode"));
    m_postalCode->setGeometry(FormControls::Place(2160, 1560, 1440, 375));
    m_postalCode->setToolTip(QStringLiteral("Where the items are sent from; may be left empty"));
    Label(this, "PostalCodeLabel", "Postal c&ode:", FormControls::Place(120, 1620, 1980, 255),
          m_postalCode);

    m_returnsAccepted = new QRadioButton(QStringLiteral("&Returns accepted"), this);
    m_returnsAccepted->setObjectName(QStringLiteral("ReturnsAccepted"));
    m_returnsAccepted->setGeometry(FormControls::Place(120, 2040, 6360, 300));
    m_returnsWithin = new QComboBox(this);
    m_returnsWithin->setObjectName(QStringLiteral("ReturnsWithin"));
    m_returnsWithin->setGeometry(FormControls::Place(1560, 2400, 1320, 375));
    for (int days : {14, 30, 60})
        m_returnsWithin->addItem(QStringLiteral("%1 days").arg(days), days);
    Label(this, "ReturnsWithinLabel", "&Within:", FormControls::Place(480, 2460, 1020, 255),
          m_returnsWithin);
    m_returnPaidBy = new QComboBox(this);
    m_returnPaidBy->setObjectName(QStringLiteral("ReturnPaidBy"));
    m_returnPaidBy->setGeometry(FormControls::Place(4920, 2400, 1560, 375));
    m_returnPaidBy->addItem(QStringLiteral("the buyer"), true);
    m_returnPaidBy->addItem(QStringLiteral("the seller"), false);
    Label(this, "ReturnPaidByLabel", "Sent back b&y:", FormControls::Place(3000, 2460, 1860, 255),
          m_returnPaidBy);
    m_returnsNotAccepted = new QRadioButton(QStringLiteral("Returns &not accepted"), this);
    m_returnsNotAccepted->setObjectName(QStringLiteral("ReturnsNotAccepted"));
    m_returnsNotAccepted->setGeometry(FormControls::Place(120, 2820, 6360, 300));

    m_shippingService = new QComboBox(this);
    m_shippingService->setObjectName(QStringLiteral("ShippingService"));
    m_shippingService->setEditable(true);
    m_shippingService->setInsertPolicy(QComboBox::NoInsert);
    m_shippingService->setGeometry(FormControls::Place(2160, 3240, 2760, 375));
    m_shippingService->setToolTip(
        QStringLiteral("eBay's code of the shipping service on the site"));
    Label(this, "ShippingServiceLabel",
          "Shipping ser&vice:", FormControls::Place(480, 3300, 1620, 255), m_shippingService);
    m_shippingCost = new QLineEdit(this);
    m_shippingCost->setObjectName(QStringLiteral("ShippingCost"));
    m_shippingCost->setGeometry(FormControls::Place(5640, 3240, 840, 375));
    m_shippingCost->setToolTip(QStringLiteral("What the buyer pays for the shipping; 0 for free"));
    Label(this, "ShippingCostLabel", "Cos&t:", FormControls::Place(5040, 3300, 540, 255),
          m_shippingCost);

    m_policies = new QRadioButton(QStringLiteral("My &business policies on eBay, by name:"), this);
    m_policies->setObjectName(QStringLiteral("Policies"));
    m_policies->setGeometry(FormControls::Place(120, 3720, 6360, 300));
    auto* returns = new QButtonGroup(this);
    returns->addButton(m_returnsAccepted);
    returns->addButton(m_returnsNotAccepted);
    returns->addButton(m_policies);

    const auto policyBox = [this](const char* name, int top) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(FormControls::Place(2160, top, 4320, 375));
        return box;
    };
    m_shippingProfile = policyBox("ShippingProfile", 4140);
    m_returnProfile = policyBox("ReturnProfile", 4560);
    m_paymentProfile = policyBox("PaymentProfile", 4980);
    Label(this, "ShippingLabel", "&Shipping policy:", FormControls::Place(480, 4200, 1620, 255),
          m_shippingProfile);
    Label(this, "ReturnLabel", "R&eturns policy:", FormControls::Place(480, 4620, 1620, 255),
          m_returnProfile);
    Label(this, "PaymentLabel", "&Payment policy:", FormControls::Place(480, 5040, 1620, 255),
          m_paymentProfile);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->setGeometry(FormControls::Place(120, 5430, 6360, 600));

    m_okButton =
        FormControls::Button(this, QStringLiteral("OKButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Export...")),
                             FormControls::Place(3660, 6120, 1335, 375));
    m_cancelButton =
        FormControls::Button(this, QStringLiteral("CancelButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Cancel")),
                             FormControls::Place(5145, 6120, 1335, 375));
    m_okButton->SetDefaultButton(true);
    connect(m_okButton, &XpButton::Click, this, &ExportListingsDialog::Confirm);
    connect(m_cancelButton, &XpButton::Click, this, &QDialog::reject);
    m_okButton->installEventFilter(this);
    m_cancelButton->installEventFilter(this);

    // The list and the number box show one choice: a number of the list selects its entry,
    // any other number "Another number".
    connect(m_conditionChoice, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        const int id = m_conditionChoice->itemData(index).toInt();
        if (id > 0)
            m_conditionId->setText(QString::number(id));
        else
            m_conditionId->setFocus();
    });
    connect(m_conditionId, &QLineEdit::textChanged, this, [this](const QString& text) {
        const int id = text.toInt();
        const int found = id > 0 ? m_conditionChoice->findData(id) : -1;
        m_conditionChoice->setCurrentIndex(found >= 0 ? found : m_conditionChoice->count() - 1);
    });
    connect(m_siteChoice, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ExportListingsDialog::OfferShippingServices);
    for (QRadioButton* choice : {m_returnsAccepted, m_returnsNotAccepted, m_policies})
        connect(choice, &QRadioButton::toggled, this, &ExportListingsDialog::EnableChoices);

    const int site = m_siteChoice->findData(start.Site().code);
    m_siteChoice->setCurrentIndex(site >= 0 ? site : 0);
    OfferShippingServices();
    m_shippingService->setCurrentText(start.shippingService);
    m_shippingCost->setText(start.shippingCost);
    m_conditionId->setText(start.conditionId);
    m_dispatchDays->setValue(start.dispatchDays);
    m_postalCode->setText(start.postalCode);
    const int within = m_returnsWithin->findData(start.returnsWithinDays);
    m_returnsWithin->setCurrentIndex(within >= 0 ? within : 1);
    m_returnPaidBy->setCurrentIndex(start.buyerPaysReturn ? 0 : 1);
    m_shippingProfile->setText(start.shippingProfile);
    m_returnProfile->setText(start.returnProfile);
    m_paymentProfile->setText(start.paymentProfile);
    (start.UsesProfiles() ? m_policies
                          : (start.returnsAccepted ? m_returnsAccepted : m_returnsNotAccepted))
        ->setChecked(true);
    EnableChoices();

    QWidget* const order[] = {
        m_siteChoice,      m_conditionChoice, m_conditionId,    m_dispatchDays,    m_postalCode,
        m_returnsAccepted, m_returnsWithin,   m_returnPaidBy,   m_shippingService, m_shippingCost,
        m_shippingProfile, m_returnProfile,   m_paymentProfile, m_okButton,        m_cancelButton};
    for (size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
    m_siteChoice->setFocus();
    FormControls::CentreOnScreen(this);
}

ListingOptions ExportListingsDialog::Options() const {
    ListingOptions options;
    options.site = m_siteChoice->currentData().toString();
    options.conditionId = m_conditionId->text().trimmed();
    options.dispatchDays = m_dispatchDays->value();
    options.postalCode = m_postalCode->text().trimmed();
    options.returnsAccepted = !m_returnsNotAccepted->isChecked();
    options.returnsWithinDays = m_returnsWithin->currentData().toInt();
    options.buyerPaysReturn = m_returnPaidBy->currentData().toBool();
    options.shippingService = m_shippingService->currentText().trimmed();
    options.shippingCost = m_shippingCost->text().trimmed();
    // Names typed and then set aside by choosing returns are not used.
    if (m_policies->isChecked()) {
        options.shippingProfile = m_shippingProfile->text().trimmed();
        options.returnProfile = m_returnProfile->text().trimmed();
        options.paymentProfile = m_paymentProfile->text().trimmed();
    }
    return options;
}

void ExportListingsDialog::Confirm() {
    ListingOptions options = Options();
    QString problem = options.Problem();
    if (problem.isEmpty() && m_policies->isChecked() && !options.UsesProfiles())
        problem = QStringLiteral(
            "Name your three business policies as they are called on eBay, "
            "or choose whether returns are accepted.");
    if (problem.isEmpty()) {
        accept();
        return;
    }
    m_note->setText(problem);
    QApplication::beep();
}

void ExportListingsDialog::OfferShippingServices() {
    // A service of the site chosen before is no service of this one; one typed stays.
    const QString typed = m_shippingService->currentText();
    bool offered = false;
    for (int k = 0; k < m_shippingService->count(); ++k)
        offered = offered || m_shippingService->itemText(k) == typed;
    const ListingSite* site = ListingSite::ByCode(m_siteChoice->currentData().toString());
    m_shippingService->clear();
    if (site)
        m_shippingService->addItems(site->shippingServices);
    m_shippingService->setCurrentText(offered ? QString() : typed);
    if (site)
        m_shippingService->lineEdit()->setPlaceholderText(
            QStringLiteral("such as %1").arg(site->shippingServices.first()));
}

void ExportListingsDialog::EnableChoices() {
    const bool policies = m_policies->isChecked();
    for (QLineEdit* box : {m_shippingProfile, m_returnProfile, m_paymentProfile})
        box->setEnabled(policies);
    m_shippingService->setEnabled(!policies);
    m_shippingCost->setEnabled(!policies);
    m_returnsWithin->setEnabled(m_returnsAccepted->isChecked());
    m_returnPaidBy->setEnabled(m_returnsAccepted->isChecked());
}

void ExportListingsDialog::keyPressEvent(QKeyEvent* event) {
    if (FormControls::IsEnterKey(event)) {
        Confirm();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ExportListingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (FormControls::IsEnterKey(event) && (watched == m_okButton || watched == m_cancelButton)) {
        if (watched == m_okButton)
            Confirm();
        else
            reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
