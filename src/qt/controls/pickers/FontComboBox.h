#pragma once

#include "qt/controls/pickers/OwnerDrawComboBox.h"
#include "ui/FontListFilter.h"

#include <QFlags>
#include <QPixmap>

#include <functional>

using ui::TFontDevice;
using ui::TFontListOption;
using enum ui::TFontDevice;
using enum ui::TFontListOption;
Q_DECLARE_FLAGS(TFontListOptions, TFontListOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontListOptions)

// The installed font families, sorted without regard to case, each with a glyph
// for its kind. Each entry carries its font type word under FontTypeRole.
class TFontComboBox : public TOwnerDrawComboBox {
    Q_OBJECT

public:
    static constexpr int FontTypeRole = Qt::UserRole;
    using enum ui::FontType;
    static constexpr int kMaxFontNameLength = ui::kMaxFontNameLength;

    // Returns the named bitmap, or a null pixmap when there is none.
    using ResourceLoader = std::function<QPixmap(const QString& name)>;
    static QPixmap loadResource(const QString& name); // ":/glyphs/<name>"

    // Throws core::EResNotFound when a glyph resource is missing.
    explicit TFontComboBox(QWidget* parent = nullptr);
    TFontComboBox(QWidget* parent, const ResourceLoader& loader);
    ~TFontComboBox() override;

    // At most 31 characters; empty when no entry is selected.
    QString fontName() const;
    // Creates the window when needed, then selects the entry of that name
    // (without regard to case) or none, and raises OnChange.
    void setFontName(const QString& name);

    TFontDevice device() const { return m_device; }
    void setDevice(TFontDevice device);
    TFontListOptions options() const { return m_options; }
    void setOptions(TFontListOptions options);
    bool trueTypeOnly() const { return m_options.testFlag(foTrueTypeOnly); }
    void setTrueTypeOnly(bool trueTypeOnly);
    bool useFonts() const { return m_useFonts; }
    void setUseFonts(bool useFonts);

    // Rebuilds the list keeping the current name; raises OnChange when that name
    // is no longer listed. Runs by itself when the installed fonts change.
    void refresh();

    const QPixmap& trueTypeGlyph() const { return m_trueTypeGlyph; }
    const QPixmap& deviceGlyph() const { return m_deviceGlyph; }

protected:
    int minimumItemHeight() const override;
    void populateList() override;
    void createWnd() override;
    void drawItem(QPainter* painter, int index, const QRect& rect, bool selected) const override;
    void clickStep() override;
    void changeStep() override;
    bool changeSuppressed() const override { return m_updating || TOwnerDrawComboBox::changeSuppressed(); }

private:
    void selectFontName(const QString& name);
    int findFamily(const QString& name) const;

    QPixmap m_trueTypeGlyph;
    QPixmap m_deviceGlyph;
    TFontDevice m_device = fdScreen;
    TFontListOptions m_options;
    bool m_useFonts = false;
    bool m_updating = false;
};
