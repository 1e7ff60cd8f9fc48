#include "qt/controls/commandbar/SpeedButtonAccessible.h"

#include "qt/controls/commandbar/ButtonText.h"
#include "qt/controls/commandbar/SpeedButton.h"

namespace {

QAccessibleInterface* speedButtonFactory(const QString& className, QObject* object) {
    Q_UNUSED(className);
    // The factory is asked for every class of the object's hierarchy; answer
    // for speed buttons (and their subclasses) only.
    if (auto* button = qobject_cast<TSpeedButton*>(object))
        return new TSpeedButtonAccessible(button);
    return nullptr;
}

} // namespace

TSpeedButtonAccessible::TSpeedButtonAccessible(TSpeedButton* button)
    : QAccessibleWidget(button, QAccessible::PushButton) {}

TSpeedButton* TSpeedButtonAccessible::button() const {
    return static_cast<TSpeedButton*>(widget());
}

// The group can change after the interface was made: ask each time.
QAccessible::Role TSpeedButtonAccessible::role() const {
    return button()->groupIndex() != 0 ? QAccessible::CheckBox : QAccessible::PushButton;
}

QString TSpeedButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: {
        const QString caption = button()->caption();
        return caption.isEmpty() ? hintShortPart(button()->hint()) : caption;
    }
    // The tooltip, as for every other control; a button without a caption
    // (the command bar's) is also named by it.
    case QAccessible::Description:
        return button()->toolTip();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TSpeedButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const TSpeedButton* b = button();
    s.pressed = b->state() == TButtonState::Pressed;
    if (b->groupIndex() != 0) {
        s.checkable = true;
        s.checked = b->isDown();
    }
    s.disabled = !b->isEnabled();
    return s;
}

QStringList TSpeedButtonAccessible::actionNames() const {
    if (!button()->isEnabled())
        return {};
    return {pressAction()};
}

void TSpeedButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() || actionName == toggleAction())
        button()->click();
}

QStringList TSpeedButtonAccessible::keyBindingsForAction(const QString&) const {
    return {};
}

void installSpeedButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(speedButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
