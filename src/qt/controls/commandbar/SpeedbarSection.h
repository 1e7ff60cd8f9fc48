#pragma once

#include <QList>
#include <QObject>
#include <QString>

class TSpeedItem;

// A named group of the bar's items. Sections only group; they do not change
// how the bar looks or behaves. Owned by the bar; owns its items.
class TSpeedbarSection : public QObject {
    Q_OBJECT

public:
    TSpeedbarSection(const QString& name, QObject* bar);
    ~TSpeedbarSection() override;

    QString name() const { return m_name; }
    QList<TSpeedItem*> items() const { return m_items; }

private:
    friend class TSpeedItem;
    void addItem(TSpeedItem* item);
    void removeItem(TSpeedItem* item);

    QString m_name;
    QList<TSpeedItem*> m_items;
};
