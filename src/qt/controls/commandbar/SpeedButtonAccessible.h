#pragma once

#include <QAccessibleWidget>

class TSpeedButton;

// What assistive technology sees of a speed button: a push button, or a check
// button when it belongs to a group; named by its caption or else its hint's
// short part; pressed, checked and disabled states; a press action that runs
// the same path as a click.
class TSpeedButtonAccessible : public QAccessibleWidget {
public:
    explicit TSpeedButtonAccessible(TSpeedButton* button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TSpeedButton* button() const;
};

// Registers the factory once; every TSpeedButton calls it on construction.
void installSpeedButtonAccessibility();
