#include "qt/platform/FontEnumeration.h"

#include <fontconfig/fontconfig.h>

#include <QHash>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

template <typename T, void (*Destroy)(T*)> struct FcDeleter {
    void operator()(T* p) const {
        if (p)
            Destroy(p);
    }
};
using PatternPtr = std::unique_ptr<FcPattern, FcDeleter<FcPattern, FcPatternDestroy>>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, FcDeleter<FcObjectSet, FcObjectSetDestroy>>;
using FontSetPtr = std::unique_ptr<FcFontSet, FcDeleter<FcFontSet, FcFontSetDestroy>>;
using CharSetPtr = std::unique_ptr<FcCharSet, FcDeleter<FcCharSet, FcCharSetDestroy>>;

CharSetPtr charSetOf(std::initializer_list<std::pair<FcChar32, FcChar32>> ranges) {
    CharSetPtr set(FcCharSetCreate());
    for (const auto& [first, last] : ranges)
        for (FcChar32 c = first; c <= last; ++c)
            FcCharSetAddChar(set.get(), c);
    return set;
}

// The character ranges a symbol font may use. Fontconfig mirrors the private
// symbol area F000-F0FF into 0000-00FF, so a symbol font covers both; a font that
// merely lacks Latin letters is not a symbol font.
struct SymbolRanges {
    CharSetPtr allowed = charSetOf({{0x0000, 0x00FF}, {0xF000, 0xF0FF}});
    CharSetPtr privateArea = charSetOf({{0xF000, 0xF0FF}});
    CharSetPtr latin1 = charSetOf({{0x0020, 0x007E}, {0x00A0, 0x00FF}});
};

const SymbolRanges& symbolRanges() {
    static const SymbolRanges ranges;
    return ranges;
}

bool isSymbolOnly(const FcCharSet* cs) {
    const SymbolRanges& r = symbolRanges();
    return FcCharSetSubtractCount(cs, r.allowed.get()) == 0 &&
           FcCharSetIntersectCount(cs, r.privateArea.get()) > 0;
}

QString stringValue(FcPattern* p, const char* object, int id = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(p, object, id, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

// The installed family of that name (a primary name, not an alias), or empty.
QString installedPrimaryName(const QString& name, const std::vector<FontFamily>& installed) {
    for (const FontFamily& family : installed)
        if (family.aliasOf.isEmpty() && family.name.compare(name, Qt::CaseInsensitive) == 0)
            return family.name;
    return {};
}

} // namespace

const std::vector<QString>& windowsFamilyNames() {
    static const std::vector<QString> names{
        "Arial",           "Arial Black",  "Arial Narrow", "Calibri",       "Cambria",
        "Comic Sans MS",   "Courier New",  "Georgia",      "MS Sans Serif", "Tahoma",
        "Times New Roman", "Trebuchet MS", "Verdana",      "Symbol",
    };
    return names;
}

QString metricAliasTarget(const QString& windowsName, const std::vector<FontFamily>& installed) {
    PatternPtr pattern(FcPatternCreate());
    const QByteArray utf8 = windowsName.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    // A metric-compatible alias is bound as strongly as the requested name itself;
    // generic fallbacks ("sans-serif", DejaVu for anything) are weak.
    FcValue value;
    FcValueBinding binding;
    for (int id = 1; FcPatternGetWithBinding(pattern.get(), FC_FAMILY, id, &value, &binding) == FcResultMatch;
         ++id) {
        if (value.type != FcTypeString || binding != FcValueBindingStrong)
            continue;
        const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(value.u.s));
        if (candidate.compare(windowsName, Qt::CaseInsensitive) == 0)
            continue;
        if (QString name = installedPrimaryName(candidate, installed); !name.isEmpty())
            return name;
    }
    return {};
}

std::vector<QString> metricAliasTargets(const std::vector<QString>& windowsNames,
                                        const std::vector<FontFamily>& installed) {
    std::vector<QString> targets(windowsNames.size());
    if (windowsNames.empty())
        return targets;
    // One substitution for all the names costs little more than one for a single name: an
    // alias rule inserts its values right after the name it matched, so a value belongs to
    // the name that precedes it, and the names keep their order.
    PatternPtr pattern(FcPatternCreate());
    for (const QString& name : windowsNames) {
        const QByteArray utf8 = name.toUtf8();
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    }
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    std::size_t next = 0;  // the next name to meet
    std::size_t owner = 0; // the name the values belong to, valid once next > 0
    FcValue value;
    FcValueBinding binding;
    for (int id = 0; FcPatternGetWithBinding(pattern.get(), FC_FAMILY, id, &value, &binding) == FcResultMatch;
         ++id) {
        if (value.type != FcTypeString)
            continue;
        const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(value.u.s));
        if (next < windowsNames.size() && candidate.compare(windowsNames[next], Qt::CaseInsensitive) == 0) {
            owner = next++;
            continue;
        }
        if (next == 0 || binding != FcValueBindingStrong || !targets[owner].isEmpty() ||
            candidate.compare(windowsNames[owner], Qt::CaseInsensitive) == 0)
            continue;
        targets[owner] = installedPrimaryName(candidate, installed);
    }
    return targets;
}

std::vector<FontFamily> enumerateFontFamilies() {
    std::vector<FontFamily> families;
    PatternPtr all(FcPatternCreate());
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_FONTFORMAT, FC_SPACING, FC_SCALABLE, FC_CHARSET,
                                          static_cast<char*>(nullptr)));
    FontSetPtr fonts(FcFontList(nullptr, all.get(), objects.get()));
    if (!fonts)
        return families;

    QHash<QString, std::size_t> indexByName;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        const QString name = stringValue(font, FC_FAMILY);
        if (name.isEmpty())
            continue;
        FcBool scalable = FcFalse;
        FcPatternGetBool(font, FC_SCALABLE, 0, &scalable);
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
        FcCharSet* cs = nullptr;
        FcPatternGetCharSet(font, FC_CHARSET, 0, &cs);

        const bool trueType = stringValue(font, FC_FONTFORMAT) == QLatin1String("TrueType");
        const bool fixed = spacing == FC_MONO || spacing == FC_CHARCELL;
        const bool symbol = cs && isSymbolOnly(cs);
        const bool latin1 = cs && FcCharSetIsSubset(symbolRanges().latin1.get(), cs);

        const auto found = indexByName.constFind(name);
        if (found == indexByName.constEnd()) {
            indexByName.insert(name, families.size());
            families.push_back({name, trueType, scalable != FcFalse, fixed, symbol, latin1, {}});
            continue;
        }
        FontFamily& family = families[found.value()];
        family.trueType = family.trueType || trueType;
        family.scalable = family.scalable || scalable != FcFalse;
        family.fixedPitch = family.fixedPitch && fixed;
        family.symbolOnly = family.symbolOnly && symbol;
        family.latin1 = family.latin1 || latin1;
    }

    std::vector<QString> missing;
    for (const QString& windowsName : windowsFamilyNames()) {
        const bool present = std::any_of(families.begin(), families.end(), [&](const FontFamily& family) {
            return family.name.compare(windowsName, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            missing.push_back(windowsName);
    }
    const std::vector<QString> targets = metricAliasTargets(missing, families);
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (targets[i].isEmpty())
            continue;
        FontFamily alias = families[indexByName.value(targets[i])];
        alias.name = missing[i];
        alias.aliasOf = targets[i];
        families.push_back(alias);
    }
    return families;
}

std::vector<QString> fontDirectories() {
    std::vector<QString> dirs;
    FcStrList* list = FcConfigGetFontDirs(nullptr);
    if (!list)
        return dirs;
    while (FcChar8* dir = FcStrListNext(list))
        dirs.push_back(QString::fromUtf8(reinterpret_cast<const char*>(dir)));
    FcStrListDone(list);
    return dirs;
}

void reloadFontConfiguration() {
    FcInitReinitialize();
}

} // namespace platform
