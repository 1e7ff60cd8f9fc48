#include "qt/controls/links/URLLabelAccessible.h"

#include "qt/controls/links/URLLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace {

QAccessibleInterface* urlLabelFactory(const QString& className, QObject* object) {
    Q_UNUSED(className);
    if (auto* label = qobject_cast<TURLLabel*>(object))
        return new TURLLabelAccessible(label);
    return nullptr;
}

} // namespace

TURLLabelAccessible::TURLLabelAccessible(TURLLabel* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

TURLLabel* TURLLabelAccessible::label() const {
    return static_cast<TURLLabel*>(widget());
}

QRect TURLLabelAccessible::rect() const {
    if (!label()->isVisible())
        return {};
    const QRect area = label()->textArea();
    return QRect(label()->mapToGlobal(area.topLeft()), area.size());
}

QString TURLLabelAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return label()->caption();
    // The tooltip, as for every control that has one; else where the link goes.
    case QAccessible::Description:
        return label()->toolTip().isEmpty() ? label()->target() : label()->toolTip();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TURLLabelAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    return s;
}

QStringList TURLLabelAccessible::actionNames() const {
    if (!label()->isEnabled())
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

void TURLLabelAccessible::doAction(const QString& actionName) {
    if (actionName == QAccessibleActionInterface::pressAction() && label()->isEnabled())
        label()->openTarget();
}

QStringList TURLLabelAccessible::keyBindingsForAction(const QString&) const {
    return {};
}

void installURLLabelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(urlLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
