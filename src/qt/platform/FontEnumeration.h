#pragma once

#include <QString>

#include <vector>

// The installed font families, as fontconfig knows them.
namespace platform {

struct FontFamily {
    QString name;
    bool trueType = false;   // at least one face with TrueType outlines
    bool scalable = false;   // at least one outline face (false: bitmap only)
    bool fixedPitch = false; // every face monospaced or character-cell
    bool symbolOnly = false; // every face covers only the symbol ranges
    bool latin1 = false;     // some face covers printable Latin-1
    // Non-empty for a Windows family name that fontconfig binds metric-compatibly
    // to the installed family aliasOf; the entry then has that family's attributes.
    QString aliasOf;
};

// Each family once (by its primary fontconfig name), in fontconfig's order,
// followed by the metric-compatible Windows names that are not installed as such.
std::vector<FontFamily> enumerateFontFamilies();

// The installed family a Windows name is metric-compatibly bound to, or empty.
// `installed` lists the candidate family names (the primary names).
QString metricAliasTarget(const QString& windowsName, const std::vector<FontFamily>& installed);

// metricAliasTarget for each of the names (none of them installed), in one pass through
// fontconfig's rules instead of one pass per name.
std::vector<QString> metricAliasTargets(const std::vector<QString>& windowsNames,
                                        const std::vector<FontFamily>& installed);

// The Windows family names checked for metric-compatible aliases.
const std::vector<QString>& windowsFamilyNames();

// The folders fontconfig scans, as it is configured now.
std::vector<QString> fontDirectories();

// Reloads fontconfig's configuration and font list.
void reloadFontConfiguration();

} // namespace platform
