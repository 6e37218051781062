// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listings/ListingOptions.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class XpButton;

// "Export for eBay": asks once for the values every listing of an export shares and the
// catalogue lacks: the eBay site, the condition (New, Used, For parts, or another of eBay's
// numbers), the days to dispatch, the postal code, and either the shipping service and its
// cost with whether (and how) returns are accepted, or the names of the seller's three
// business policies. Ok ("Export...") takes the values only when eBay would take them,
// and says what is wrong otherwise; Cancel, Escape and the close box put the dialog away.
class ExportListingsDialog : public QDialog {
    Q_OBJECT

public:
    // Starts with the values given: those of the last export.
    explicit ExportListingsDialog(const ListingOptions& start, QWidget* parent = nullptr);

    // The values as the dialog holds them now.
    ListingOptions Options() const;

    QComboBox* SiteChoice() const { return m_siteChoice; }
    QComboBox* ConditionChoice() const { return m_conditionChoice; }
    QLineEdit* ConditionId() const { return m_conditionId; }
    QSpinBox* DispatchDays() const { return m_dispatchDays; }
    QLineEdit* PostalCode() const { return m_postalCode; }
    QComboBox* ReturnsWithin() const { return m_returnsWithin; }
    QComboBox* ReturnPaidBy() const { return m_returnPaidBy; }
    QComboBox* ShippingService() const { return m_shippingService; }
    QLineEdit* ShippingCost() const { return m_shippingCost; }
    QRadioButton* ReturnsAccepted() const { return m_returnsAccepted; }
    QRadioButton* ReturnsNotAccepted() const { return m_returnsNotAccepted; }
    QRadioButton* Policies() const { return m_policies; }
    QLineEdit* ShippingProfile() const { return m_shippingProfile; }
    QLineEdit* ReturnProfile() const { return m_returnProfile; }
    QLineEdit* PaymentProfile() const { return m_paymentProfile; }
    // What is wrong with the values, after an Ok that was not taken.
    QLabel* Note() const { return m_note; }
    XpButton* OKButton() const { return m_okButton; }
    XpButton* CancelButton() const { return m_cancelButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ok: accepts when the values are whole, otherwise says why in the note.
    void Confirm();
    // The shipping services of the site chosen, offered in the service's list.
    void OfferShippingServices();
    // The policy names are typed only while the policies are chosen, the shipping only
    // while they are not, the returns' time and postage only with returns accepted.
    void EnableChoices();

    QComboBox* m_siteChoice;
    QComboBox* m_conditionChoice;
    QLineEdit* m_conditionId;
    QSpinBox* m_dispatchDays;
    QLineEdit* m_postalCode;
    QComboBox* m_returnsWithin;
    QComboBox* m_returnPaidBy;
    QComboBox* m_shippingService;
    QLineEdit* m_shippingCost;
    QRadioButton* m_returnsAccepted;
    QRadioButton* m_returnsNotAccepted;
    QRadioButton* m_policies;
    QLineEdit* m_shippingProfile;
    QLineEdit* m_returnProfile;
    QLineEdit* m_paymentProfile;
    QLabel* m_note;
    XpButton* m_okButton;
    XpButton* m_cancelButton;
};
