// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogFits.h"

#include "controls/xpbutton/XpButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QTest>

#include <algorithm>

namespace {

void Report(QStringList& cut, const QWidget* control, const QString& text, const QString& why) {
    cut.append(QStringLiteral("%1 %2 \"%3\": %4")
                   .arg(QString::fromLatin1(control->metaObject()->className()),
                        control->objectName(), text, why));
}

QString Wider(int needed, int room) {
    return QStringLiteral("%1 pixels wide in %2").arg(needed).arg(room);
}

QString Higher(int needed, int room) {
    return QStringLiteral("%1 pixels high in %2").arg(needed).arg(room);
}

void CheckLabel(QStringList& cut, const QLabel* label) {
    const QString text = XpButton::ShownText(label->text());
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect();
    QRect needed(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (label->wordWrap())
        needed = metrics.boundingRect(
            QRect(0, 0, box.width(), 1 << 20),
            int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::TextWordWrap, text);
    else if (text.contains(QLatin1Char('\n')))
        needed = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text);
    if (needed.width() > box.width())
        Report(cut, label, text, Wider(needed.width(), box.width()));
    if (needed.height() > box.height())
        Report(cut, label, text, Higher(needed.height(), box.height()));
}

void CheckButton(QStringList& cut, const XpButton* button) {
    const QString text = button->Caption();
    if (XpButton::ShownText(text).isEmpty())
        return;
    // As the button's painter lays it out: the text wrapped at the width inside a margin of
    // one average character on either side of a content box 4 pixels inside every edge.
    const QFontMetrics metrics(button->Font());
    const int inset = 4;
    const int boxWidth = button->width() - 2 * inset;
    const int boxHeight = button->height() - 2 * inset;
    const int wrapWidth = std::max(boxWidth - 2 * metrics.averageCharWidth(), 1);
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20),
                             Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignHCenter, text);
    // More lines than one is a caption broken where the dialog's buttons show it whole.
    if (wrapped.height() > boxHeight || wrapped.height() > metrics.height())
        Report(cut, button, XpButton::ShownText(text), Higher(wrapped.height(), boxHeight));
    if (wrapped.width() > boxWidth)
        Report(cut, button, XpButton::ShownText(text), Wider(wrapped.width(), boxWidth));
}

void CheckLineEdit(QStringList& cut, const QLineEdit* box) {
    const QString text = box->displayText();
    if (text.isEmpty())
        return;
    // Where QLineEdit draws its text: the style's contents inside the frame and the text
    // margins, less two pixels on either side, and a pixel for the cursor.
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
    const QFontMetrics metrics(box->font());
    const int room = contents.width() - 2 * 2 - 1;
    const int width = metrics.horizontalAdvance(text);
    if (width > room)
        Report(cut, box, text, Wider(width, room));
    if (metrics.height() > contents.height())
        Report(cut, box, text, Higher(metrics.height(), contents.height()));
}

void CheckComboBox(QStringList& cut, const QComboBox* list) {
    // An editable list's text is its line edit's, looked at as one.
    const QString text = list->currentText();
    if (list->isEditable() || text.isEmpty())
        return;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    option.frame = list->hasFrame();
    option.currentText = text;
    option.currentIcon = list->itemIcon(list->currentIndex());
    option.iconSize = list->iconSize();
    option.subControls = QStyle::SC_All;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    const QFontMetrics metrics(list->font());
    const int icon = option.currentIcon.isNull() ? 0 : option.iconSize.width() + 4;
    const int width = metrics.horizontalAdvance(text) + icon;
    if (width > field.width())
        Report(cut, list, text, Wider(width, field.width()));
    if (metrics.height() > field.height())
        Report(cut, list, text, Higher(metrics.height(), field.height()));
}

void CheckChoiceBox(QStringList& cut, const QAbstractButton* box) {
    // A check or option box asks for room for its mark and its whole text in its size hint.
    const QString text = XpButton::ShownText(box->text());
    const QSize needed = box->sizeHint();
    if (needed.width() > box->width())
        Report(cut, box, text, Wider(needed.width(), box->width()));
    if (needed.height() > box->height())
        Report(cut, box, text, Higher(needed.height(), box->height()));
}

void CheckHeader(QStringList& cut, const QHeaderView* header) {
    // Each heading as the header asks room for it: the style's section around the text.
    const QAbstractItemModel* model = header->model();
    if (!model)
        return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text =
            model->headerData(section, header->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = section;
        option.text = text;
        option.orientation = header->orientation();
        option.textAlignment = header->defaultAlignment();
        const QSize needed =
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
        const int room = header->sectionSize(section);
        if (header->orientation() == Qt::Horizontal && needed.width() > room)
            Report(cut, header, text, Wider(needed.width(), room));
        if (header->orientation() == Qt::Horizontal && needed.height() > header->height())
            Report(cut, header, text, Higher(needed.height(), header->height()));
    }
}

// Whether a widget belongs to the inside of a list or a box, which places it itself.
bool InsideAControl(const QWidget* widget, const QWidget& dialog) {
    for (const QWidget* above = widget->parentWidget(); above && above != &dialog;
         above = above->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(above) ||
            qobject_cast<const QAbstractSpinBox*>(above) || qobject_cast<const QComboBox*>(above))
            return true;
    }
    return false;
}

}  // namespace

void DialogFits::Settle(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("%s was not shown", qPrintable(window.objectName()));
    // Layouts that change the window's size ask again once it has changed.
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

QStringList DialogFits::TextsThatDoNotFit(const QWidget& dialog) {
    QStringList cut;
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&dialog) || control->isWindow())
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control))
            CheckLabel(cut, label);
        else if (const auto* button = qobject_cast<const XpButton*>(control))
            CheckButton(cut, button);
        else if (const auto* box = qobject_cast<const QLineEdit*>(control))
            CheckLineEdit(cut, box);
        else if (const auto* list = qobject_cast<const QComboBox*>(control))
            CheckComboBox(cut, list);
        else if (const auto* header = qobject_cast<const QHeaderView*>(control))
            CheckHeader(cut, header);
        else if (const auto* choice = qobject_cast<const QAbstractButton*>(control);
                 choice && (choice->inherits("QCheckBox") || choice->inherits("QRadioButton")))
            CheckChoiceBox(cut, choice);
        if (InsideAControl(control, dialog))
            continue;
        const QRect place(control->mapTo(&dialog, QPoint()), control->size());
        if (!dialog.rect().contains(place))
            Report(cut, control, QString(),
                   QStringLiteral("at %1,%2 %3x%4, outside the dialog's %5x%6")
                       .arg(place.x())
                       .arg(place.y())
                       .arg(place.width())
                       .arg(place.height())
                       .arg(dialog.width())
                       .arg(dialog.height()));
    }
    return cut;
}

QStringList DialogFits::ControlsWithoutNames(const QWidget& dialog) {
    QStringList unnamed;
    QList<const QWidget*> labelled;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy())
            labelled.append(label->buddy());
    }
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&dialog) || control->isWindow() ||
            InsideAControl(control, dialog))
            continue;
        if (const auto* button = qobject_cast<const XpButton*>(control)) {
            // As a screen reader hears it, from the button's accessible interface.
            const QString name =
                QAccessible::queryAccessibleInterface(const_cast<XpButton*>(button))
                    ->text(QAccessible::Name);
            if (name != XpButton::ShownText(button->Caption()))
                Report(unnamed, button, XpButton::ShownText(button->Caption()),
                       QStringLiteral("named \"%1\"").arg(name));
            continue;
        }
        const bool box = qobject_cast<const QLineEdit*>(control) ||
                         qobject_cast<const QComboBox*>(control) ||
                         qobject_cast<const QAbstractSpinBox*>(control) ||
                         qobject_cast<const QAbstractItemView*>(control);
        // An editable list's line edit is the list's own.
        if (!box || qobject_cast<const QComboBox*>(control->parentWidget()))
            continue;
        if (control->accessibleName().isEmpty() && !labelled.contains(control))
            Report(unnamed, control, QString(), QStringLiteral("no name and no label"));
    }
    return unnamed;
}

QStringList DialogFits::TextsThatDoNotFitAt(const Dialog& dialog, int pointSize) {
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    QStringList cut;
    bool looked = false;
    dialog.make([&cut, &looked](QWidget& shown) {
        looked = true;
        cut = TextsThatDoNotFit(shown);
    });
    QApplication::setFont(before);
    if (!looked)
        cut.append(QStringLiteral("the dialog did not open"));
    for (QString& line : cut)
        line = QStringLiteral("%1 at %2 pt: %3").arg(dialog.name).arg(pointSize).arg(line);
    return cut;
}

QStringList DialogFits::TextsThatDoNotFitAt(const std::vector<Dialog>& dialogs,
                                            const std::vector<int>& pointSizes) {
    QStringList cut;
    for (const Dialog& dialog : dialogs) {
        for (const int size : pointSizes)
            cut += TextsThatDoNotFitAt(dialog, size);
    }
    return cut;
}
