#pragma once

#include <QAccessibleWidget>

class TURLLabel;

// What assistive technology sees of a link label: a link named by its caption,
// described by its target, with a press action that opens the target, over its text.
class TURLLabelAccessible : public QAccessibleWidget {
public:
    explicit TURLLabelAccessible(TURLLabel* label);

    // The caption's text area on the screen, where the label reacts to the mouse; not the whole
    // box, so that a hit test at its blank rest does not find a link a click there cannot open.
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TURLLabel* label() const;
};

// Registers the factory once; every TURLLabel calls it on construction.
void installURLLabelAccessibility();
