#pragma once
// The ten values of a calendar project, section "Settings" of cprj/<name>.cpj.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace kalmora::store
{

struct ProjectSettings {
    std::int32_t PKA = 0; // shape index 0..9
    std::int32_t PBG = 0; // background colour, 0x00BBGGRR
    std::int32_t CHE = 0; // weekday and title colour
    std::int32_t CDO = 0; // Saturday colour
    std::int32_t CNI = 0; // Sunday and holiday colour
    std::int32_t CBG = 0; // shadow colour
    std::int32_t CXX = 0; // calendar origin on the picture, twips
    std::int32_t CYY = 0;
    std::int32_t VXX = 0; // viewer window position on the screen, twips
    std::int32_t VYY = 0;

    bool operator==(const ProjectSettings &) const = default;
};

// The keys in the order they are read and written.
inline constexpr std::array<const char *, 10> kProjectKeys
    = { "PKA", "PBG", "CHE", "CDO", "CNI", "CBG", "CXX", "CYY", "VXX", "VYY" };

// Every key read with the leading-number rule, rounded half to even into 32 bits; an absent key or
// file reads as 0.
ProjectSettings ReadProjectSettings(const QString &appDir, const QString &name);

// The names of the files in cprj/, sorted by name, not filtered by extension, each without its last
// four characters (".cpj"); a name of fewer than four characters is listed whole. An absent folder
// lists as empty.
QStringList ListProjectNames(const QString &appDir);

} // namespace kalmora::store
