#include "support/TestFontSet.h"

#include <QDir>
#include <QFile>

namespace {
const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
const QString kLiberation = QStringLiteral("/usr/share/fonts/truetype/liberation/");

// A one-glyph bitmap font: a raster family.
const char kPixelFont[] = R"(STARTFONT 2.1
FONT -test-Pixel Raster-medium-r-normal--8-80-75-75-c-60-iso8859-1
SIZE 8 75 75
FONTBOUNDINGBOX 6 8 0 -1
STARTPROPERTIES 4
FAMILY_NAME "Pixel Raster"
CHARSET_REGISTRY "ISO8859"
CHARSET_ENCODING "1"
SPACING "C"
ENDPROPERTIES
CHARS 1
STARTCHAR A
ENCODING 65
SWIDTH 750 0
DWIDTH 6 0
BBX 6 8 0 -1
BITMAP
30
48
84
84
FC
84
84
00
ENDCHAR
ENDFONT
)";
} // namespace

TestFontSet::TestFontSet() {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("a"));
    root.mkpath(QStringLiteral("b"));
    root.mkpath(QStringLiteral("cache"));
    const bool copied =
        copyFont(kDejaVu + "DejaVuSans.ttf", "a/DejaVuSans.ttf") &&
        copyFont(kDejaVu + "DejaVuSansMono.ttf", "a/DejaVuSansMono.ttf") &&
        copyFont(kLiberation + "LiberationSans-Regular.ttf", "a/LiberationSans-Regular.ttf") &&
        copyFont(kLiberation + "LiberationSerif-Regular.ttf", "a/LiberationSerif-Regular.ttf") &&
        // The same family reported twice, and once more in another case.
        copyFont(kDejaVu + "DejaVuSans.ttf", "b/DejaVuSans.ttf") &&
        copyFont(kDejaVu + "DejaVuSansMono.ttf", "b/UpperMono.ttf") &&
        copyFont(kDejaVu + "DejaVuSerif.ttf", "b/Vanishing.ttf") &&
        copyFont(kDejaVu + "DejaVuSans.ttf", "b/Symbolic.ttf") &&
        copyFont(kDejaVu + "DejaVuSerif.ttf", "b/Outline.ttf");
    if (!copied)
        return;
    QFile pixel(root.filePath(QStringLiteral("b/pixel.bdf")));
    if (!pixel.open(QIODevice::WriteOnly) || pixel.write(kPixelFont) < 0) {
        m_error = QStringLiteral("cannot write the bitmap font");
        return;
    }
    pixel.close();
    writeConfig();
    qputenv("FONTCONFIG_FILE", root.filePath(QStringLiteral("fonts.conf")).toLocal8Bit());
    m_valid = true;
}

QString TestFontSet::removableFont() const {
    return m_dir.filePath(QStringLiteral("b/Vanishing.ttf"));
}

bool TestFontSet::copyFont(const QString& source, const QString& target) {
    if (QFile::copy(source, m_dir.filePath(target)))
        return true;
    m_error = QStringLiteral("cannot copy %1 (install fonts-dejavu-core and fonts-liberation)").arg(source);
    return false;
}

void TestFontSet::writeConfig() {
    const QString b = m_dir.filePath(QStringLiteral("b/"));
    auto rename = [&](const QString& file, const QString& family, const QString& extra = {}) {
        return QStringLiteral(
                   "<match target=\"scan\"><test name=\"file\"><string>%1%2</string></test>"
                   "<edit name=\"family\" mode=\"assign_replace\"><string>%3</string></edit>%4</match>\n")
            .arg(b, file, family, extra);
    };
    QString conf = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                                  "<fontconfig>\n<dir>%1</dir>\n<dir>%2</dir>\n<cachedir>%3</cachedir>\n")
                       .arg(m_dir.filePath(QStringLiteral("a")), m_dir.filePath(QStringLiteral("b")),
                            m_dir.filePath(QStringLiteral("cache")));
    conf += rename(QStringLiteral("UpperMono.ttf"), QStringLiteral("DEJAVU SANS MONO"));
    conf += rename(QStringLiteral("Vanishing.ttf"), QStringLiteral("Vanishing Serif"));
    // Only the mirrored symbol ranges: a symbol font.
    conf += rename(QStringLiteral("Symbolic.ttf"), QStringLiteral("Symbolic Test"),
                   QStringLiteral("<edit name=\"charset\" mode=\"assign\"><charset>"
                                  "<range><int>0x20</int><int>0xFF</int></range>"
                                  "<range><int>0xF020</int><int>0xF0FF</int></range></charset></edit>"));
    // An outline font that is not TrueType.
    conf += rename(QStringLiteral("Outline.ttf"), QStringLiteral("Outline PS"),
                   QStringLiteral("<edit name=\"fontformat\" mode=\"assign\"><string>CFF</string></edit>"));
    // Metric-compatible aliases as fonts-liberation declares them, one of them for a
    // family that is not installed, and a weak fallback that is not an alias.
    conf += QStringLiteral(
        "<alias binding=\"same\"><family>Arial</family><accept><family>Liberation "
        "Sans</family></accept></alias>\n"
        "<alias binding=\"same\"><family>Times New Roman</family><accept><family>Liberation Serif</family>"
        "</accept></alias>\n"
        "<alias binding=\"same\"><family>Courier New</family><accept><family>Liberation Mono</family>"
        "</accept></alias>\n"
        "<alias><family>MS Sans Serif</family><accept><family>DejaVu Sans</family></accept></alias>\n"
        "<alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
        "</fontconfig>\n");
    QFile file(m_dir.filePath(QStringLiteral("fonts.conf")));
    if (file.open(QIODevice::WriteOnly))
        file.write(conf.toUtf8());
}
