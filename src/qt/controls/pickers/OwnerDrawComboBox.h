#pragma once

#include <QComboBox>

class TOwnerDrawItemDelegate;

enum TOwnerDrawComboStyle { csDropDown, csSimple, csDropDownList };

// A combo box whose entries the control draws itself. The entries exist only
// while its "window" exists: createWindow() builds them (populateList) and runs
// at the latest when the control is first shown or when a value setter needs the
// entries; recreateWindow() rebuilds them after a style or font change.
//
// While the owning window builds the control from its layout (setLoading(true)
// ... setLoading(false)), OnChange is never raised.
class TOwnerDrawComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TOwnerDrawComboBox(QWidget* parent = nullptr);
    ~TOwnerDrawComboBox() override;

    // csDropDown and csSimple give an editable field (Qt has no permanently open
    // list, so csSimple behaves as csDropDown); csDropDownList only picks.
    TOwnerDrawComboStyle comboStyle() const { return m_style; }
    void setComboStyle(TOwnerDrawComboStyle style);

    void setLoading(bool loading) { m_loading = loading; }
    bool isLoading() const { return m_loading; }

    void createWindow();
    bool windowCreated() const { return m_windowCreated; }
    void recreateWindow();

    int itemHeight() const { return m_itemHeight; }

    // "short|long": the tooltip (and accessible description) is the short part.
    void setHint(const QString& hint);

    // Draws entry `index` (-1: none) into `rect` as the list and the closed field show it.
    void drawEntry(QPainter* painter, const QRect& rect, int index, bool selected, bool focused) const;

signals:
    void OnChange(QObject* Sender);
    void OnClick(QObject* Sender);

protected:
    virtual int minimumItemHeight() const;
    virtual void populateList() = 0;
    // Draws the picker's part of an entry; the painter's brush, pen and font are set.
    virtual void drawItem(QPainter* painter, int index, const QRect& rect, bool selected) const = 0;
    // Window creation: the base sets editability and item height; pickers add their entries.
    virtual void createWnd();
    virtual void destroyWnd();
    virtual void clickStep();
    virtual void changeStep();
    virtual bool changeSuppressed() const { return m_loading; }

    // Raises OnChange unless suppressed.
    void change();
    void resetItemHeight();
    // The field's text whether or not the window exists.
    QString text() const;
    void setText(const QString& text);
    // The text the field had while it had no window (or before the last recreation).
    QString savedText() const { return m_text; }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void userSelected(int index);
    bool editableStyle() const { return m_style != csDropDownList; }

    TOwnerDrawItemDelegate* m_delegate;
    TOwnerDrawComboStyle m_style = csDropDownList;
    bool m_loading = false;
    bool m_windowCreated = false;
    int m_itemHeight = 0;
    QString m_text; // the text while no window exists
};
