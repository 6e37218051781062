// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ExportListingsDialog.h"

#include "controls/xpbutton/XpButton.h"
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

    m_conditionChoice = new QComboBox(this);
    m_conditionChoice->setObjectName(QStringLiteral("ConditionChoice"));
    m_conditionChoice->setGeometry(FormControls::Place(2160, 120, 2760, 375));
    for (const Condition& condition : kConditions)
        m_conditionChoice->addItem(
            QStringLiteral("%1 (%2)").arg(QLatin1String(condition.name)).arg(condition.id),
            condition.id);
    m_conditionChoice->addItem(QStringLiteral("Another number"), 0);
    m_conditionId = new QLineEdit(this);
    m_conditionId->setObjectName(QStringLiteral("ConditionId"));
    m_conditionId->setGeometry(FormControls::Place(5040, 120, 1440, 375));
    m_conditionId->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_conditionId));
    m_conditionId->setToolTip(QStringLiteral("eBay's number of the items' condition"));
    Label(this, "ConditionLabel", "&Condition:", FormControls::Place(120, 180, 1980, 255),
          m_conditionChoice);

    m_dispatchDays = new QSpinBox(this);
    m_dispatchDays->setObjectName(QStringLiteral("DispatchDays"));
    m_dispatchDays->setGeometry(FormControls::Place(2160, 660, 1080, 375));
    m_dispatchDays->setRange(0, ListingOptions::MostDispatchDays);
    m_dispatchDays->setSuffix(QStringLiteral(" days"));
    Label(this, "DispatchLabel", "&Dispatch within:", FormControls::Place(120, 720, 1980, 255),
          m_dispatchDays);

    m_returnsAccepted = new QRadioButton(QStringLiteral("&Returns accepted"), this);
    m_returnsAccepted->setObjectName(QStringLiteral("ReturnsAccepted"));
    m_returnsAccepted->setGeometry(FormControls::Place(120, 1200, 6360, 300));
    m_returnsNotAccepted = new QRadioButton(QStringLiteral("Returns &not accepted"), this);
    m_returnsNotAccepted->setObjectName(QStringLiteral("ReturnsNotAccepted"));
    m_returnsNotAccepted->setGeometry(FormControls::Place(120, 1560, 6360, 300));
    m_policies = new QRadioButton(QStringLiteral("My &business policies on eBay, by name:"), this);
    m_policies->setObjectName(QStringLiteral("Policies"));
    m_policies->setGeometry(FormControls::Place(120, 1920, 6360, 300));
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
    m_shippingProfile = policyBox("ShippingProfile", 2340);
    m_returnProfile = policyBox("ReturnProfile", 2760);
    m_paymentProfile = policyBox("PaymentProfile", 3180);
    Label(this, "ShippingLabel", "&Shipping policy:", FormControls::Place(480, 2400, 1620, 255),
          m_shippingProfile);
    Label(this, "ReturnLabel", "R&eturns policy:", FormControls::Place(480, 2820, 1620, 255),
          m_returnProfile);
    Label(this, "PaymentLabel", "&Payment policy:", FormControls::Place(480, 3240, 1620, 255),
          m_paymentProfile);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->setGeometry(FormControls::Place(120, 3630, 6360, 480));

    m_okButton =
        FormControls::Button(this, QStringLiteral("OKButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Export...")),
                             FormControls::Place(3660, 4200, 1335, 375));
    m_cancelButton =
        FormControls::Button(this, QStringLiteral("CancelButton"),
                             FormControls::DialogButtonProperties(QStringLiteral("Cancel")),
                             FormControls::Place(5145, 4200, 1335, 375));
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
    connect(m_policies, &QRadioButton::toggled, this, &ExportListingsDialog::EnablePolicyNames);

    m_conditionId->setText(start.conditionId);
    m_dispatchDays->setValue(start.dispatchDays);
    m_shippingProfile->setText(start.shippingProfile);
    m_returnProfile->setText(start.returnProfile);
    m_paymentProfile->setText(start.paymentProfile);
    (start.UsesProfiles() ? m_policies
                          : (start.returnsAccepted ? m_returnsAccepted : m_returnsNotAccepted))
        ->setChecked(true);
    EnablePolicyNames();

    setTabOrder(m_conditionChoice, m_conditionId);
    setTabOrder(m_conditionId, m_dispatchDays);
    setTabOrder(m_dispatchDays, m_returnsAccepted);
    setTabOrder(m_returnsAccepted, m_shippingProfile);
    setTabOrder(m_shippingProfile, m_returnProfile);
    setTabOrder(m_returnProfile, m_paymentProfile);
    setTabOrder(m_paymentProfile, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    m_conditionChoice->setFocus();
    FormControls::CentreOnScreen(this);
}

ListingOptions ExportListingsDialog::Options() const {
    ListingOptions options;
    options.conditionId = m_conditionId->text().trimmed();
    options.dispatchDays = m_dispatchDays->value();
    options.returnsAccepted = !m_returnsNotAccepted->isChecked();
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

void ExportListingsDialog::EnablePolicyNames() {
    for (QLineEdit* box : {m_shippingProfile, m_returnProfile, m_paymentProfile})
        box->setEnabled(m_policies->isChecked());
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
