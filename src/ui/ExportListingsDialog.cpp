// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ExportListingsDialog.h"

#include "controls/xpbutton/XpButton.h"
#include "listings/ListingSite.h"
#include "ui/FormControls.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The conditions offered by name, in the order of the list; the last entry takes any number.
struct Condition {
    const char* name;
    int id;
};
constexpr Condition kConditions[] = {
    {QT_TRANSLATE_NOOP("ExportListingsDialog", "New"), ListingOptions::ConditionNew},
    {QT_TRANSLATE_NOOP("ExportListingsDialog", "Used"), ListingOptions::ConditionUsed},
    {QT_TRANSLATE_NOOP("ExportListingsDialog", "For parts or not working"),
     ListingOptions::ConditionForParts},
};

// The grid's columns: the choices' indent under their option, the labels, the boxes, and the
// labels and boxes that stand second in a row.
enum GridColumn { IndentColumn, LabelColumn, BoxColumn, SecondLabelColumn, SecondBoxColumn };
constexpr int ColumnSpan = SecondBoxColumn + 1;
constexpr int IndentTwips = 360;

QLabel* Label(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    // Screen readers name the box by what its label says.
    buddy->setAccessibleName(XpButton::ShownText(text).remove(QLatin1Char(':')));
    return label;
}

// A box as wide as `digits` digits of its font, for the short values it takes.
void FitWidth(QLineEdit* box, int digits) {
    const int text = box->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    // The frame and the box's own margins beside the text.
    box->setFixedWidth(text + box->sizeHint().width() -
                       box->fontMetrics().horizontalAdvance(QString(17, QLatin1Char('x'))));
}

}  // namespace

ExportListingsDialog::ExportListingsDialog(const ListingOptions& start, QWidget* parent)
    : QDialog(parent) {
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(IndentColumn, TwipsToPixels(IndentTwips));
    grid->setColumnStretch(BoxColumn, 1);
    int row = 0;

    m_siteChoice = new QComboBox(this);
    m_siteChoice->setObjectName(QStringLiteral("SiteChoice"));
    for (const ListingSite& site : ListingSite::All())
        m_siteChoice->addItem(site.ShownChoice(), site.code);
    grid->addWidget(Label(this, "SiteLabel", tr("S&ite:"), m_siteChoice), row, IndentColumn, 1, 2);
    grid->addWidget(m_siteChoice, row++, BoxColumn, 1, 3);

    m_conditionChoice = new QComboBox(this);
    m_conditionChoice->setObjectName(QStringLiteral("ConditionChoice"));
    for (const Condition& condition : kConditions)
        m_conditionChoice->addItem(
            QStringLiteral("%1 (%2)").arg(tr(condition.name)).arg(condition.id), condition.id);
    m_conditionChoice->addItem(tr("Another number"), 0);
    m_conditionId = new QLineEdit(this);
    m_conditionId->setObjectName(QStringLiteral("ConditionId"));
    m_conditionId->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_conditionId));
    m_conditionId->setToolTip(tr("eBay's number of the items' condition"));
    m_conditionId->setAccessibleName(tr("Condition number"));
    // Five digits at most: the box is as wide as a few more.
    FitWidth(m_conditionId, 8);
    grid->addWidget(Label(this, "ConditionLabel", tr("&Condition:"), m_conditionChoice), row,
                    IndentColumn, 1, 2);
    grid->addWidget(m_conditionChoice, row, BoxColumn);
    grid->addWidget(m_conditionId, row++, SecondLabelColumn, 1, 2);

    m_dispatchDays = new QSpinBox(this);
    m_dispatchDays->setObjectName(QStringLiteral("DispatchDays"));
    m_dispatchDays->setRange(0, ListingOptions::MostDispatchDays);
    m_dispatchDays->setSuffix(tr(" days"));
    grid->addWidget(Label(this, "DispatchLabel", tr("&Dispatch within:"), m_dispatchDays), row,
                    IndentColumn, 1, 2);
    grid->addWidget(m_dispatchDays, row++, BoxColumn, Qt::AlignLeft);

    m_postalCode = new QLineEdit(this);
    m_postalCode->setObjectName(QStringLiteral("PostalCode"));
    m_postalCode->setToolTip(tr("Where the items are sent from; may be left empty"));
    FitWidth(m_postalCode, 12);
    grid->addWidget(Label(this, "PostalCodeLabel", tr("Postal c&ode:"), m_postalCode), row,
                    IndentColumn, 1, 2);
    grid->addWidget(m_postalCode, row++, BoxColumn);

    m_returnsAccepted = new QRadioButton(tr("&Returns accepted"), this);
    m_returnsAccepted->setObjectName(QStringLiteral("ReturnsAccepted"));
    grid->addWidget(m_returnsAccepted, row++, IndentColumn, 1, ColumnSpan);
    m_returnsWithin = new QComboBox(this);
    m_returnsWithin->setObjectName(QStringLiteral("ReturnsWithin"));
    for (int days : {14, 30, 60})
        m_returnsWithin->addItem(tr("%1 days").arg(days), days);
    grid->addWidget(Label(this, "ReturnsWithinLabel", tr("&Within:"), m_returnsWithin), row,
                    LabelColumn);
    grid->addWidget(m_returnsWithin, row, BoxColumn, Qt::AlignLeft);
    m_returnPaidBy = new QComboBox(this);
    m_returnPaidBy->setObjectName(QStringLiteral("ReturnPaidBy"));
    m_returnPaidBy->addItem(tr("the buyer"), true);
    m_returnPaidBy->addItem(tr("the seller"), false);
    grid->addWidget(Label(this, "ReturnPaidByLabel", tr("Sent back b&y:"), m_returnPaidBy), row,
                    SecondLabelColumn);
    grid->addWidget(m_returnPaidBy, row++, SecondBoxColumn);
    m_returnsNotAccepted = new QRadioButton(tr("Returns &not accepted"), this);
    m_returnsNotAccepted->setObjectName(QStringLiteral("ReturnsNotAccepted"));
    grid->addWidget(m_returnsNotAccepted, row++, IndentColumn, 1, ColumnSpan);

    m_shippingService = new QComboBox(this);
    m_shippingService->setObjectName(QStringLiteral("ShippingService"));
    m_shippingService->setEditable(true);
    // The box typed in is a line box of its own, which a screen reader names apart.
    m_shippingService->lineEdit()->setAccessibleName(tr("Shipping service"));
    m_shippingService->setInsertPolicy(QComboBox::NoInsert);
    m_shippingService->setToolTip(tr("eBay's code of the shipping service on the site"));
    // As wide as the usual codes; a longer one scrolls in the box.
    m_shippingService->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_shippingService->setMinimumContentsLength(16);
    grid->addWidget(
        Label(this, "ShippingServiceLabel", tr("Shipping ser&vice:"), m_shippingService), row,
        LabelColumn);
    grid->addWidget(m_shippingService, row, BoxColumn);
    m_shippingCost = new QLineEdit(this);
    m_shippingCost->setObjectName(QStringLiteral("ShippingCost"));
    m_shippingCost->setToolTip(tr("What the buyer pays for the shipping; 0 for free"));
    FitWidth(m_shippingCost, 7);
    grid->addWidget(Label(this, "ShippingCostLabel", tr("Cos&t:"), m_shippingCost), row,
                    SecondLabelColumn);
    grid->addWidget(m_shippingCost, row++, SecondBoxColumn);

    m_policies = new QRadioButton(tr("My &business policies on eBay, by name:"), this);
    m_policies->setObjectName(QStringLiteral("Policies"));
    grid->addWidget(m_policies, row++, IndentColumn, 1, ColumnSpan);
    auto* returns = new QButtonGroup(this);
    returns->addButton(m_returnsAccepted);
    returns->addButton(m_returnsNotAccepted);
    returns->addButton(m_policies);

    const auto policyBox = [this, grid, &row](const char* name, const char* labelName,
                                              const QString& label) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        grid->addWidget(Label(this, labelName, label, box), row, LabelColumn);
        grid->addWidget(box, row++, BoxColumn, 1, 3);
        return box;
    };
    m_shippingProfile = policyBox("ShippingProfile", "ShippingLabel", tr("&Shipping policy:"));
    m_returnProfile = policyBox("ReturnProfile", "ReturnLabel", tr("R&eturns policy:"));
    m_paymentProfile = policyBox("PaymentProfile", "PaymentLabel", tr("&Payment policy:"));

    // Empty until an Ok is refused; the dialog grows to show the reason whole.
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    grid->addWidget(m_note, row++, IndentColumn, 1, ColumnSpan);

    m_okButton = FormControls::DialogButton(this, QStringLiteral("OKButton"), tr("Export..."));
    m_cancelButton = FormControls::DialogButton(this, QStringLiteral("CancelButton"), tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(FormControls::ButtonRow({m_okButton, m_cancelButton}));
    FormControls::MakeLaidOutDialog(this, QStringLiteral("frmExport"), tr("Export for eBay"));

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
        problem =
            tr("Name your three business policies as they are called on eBay, "
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
            tr("such as %1").arg(site->shippingServices.first()));
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
