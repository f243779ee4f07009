#include "setcheck.h"

namespace {

std::string withoutBlanks(const std::string& name)
{
    std::string kept;
    for (char c : name) {
        if (c != ' ' && c != '\t')
            kept += c;
    }
    return kept;
}

struct NamePlace {
    std::string name;
    std::string where;
};

// The names of the sets' levels, in order; a level without a name has none to repeat.
std::vector<NamePlace> namesOf(const std::vector<LevelSet>& sets)
{
    std::vector<NamePlace> names;
    for (const LevelSet& set : sets) {
        for (const Level& level : set.levels) {
            if (!withoutBlanks(level.name).empty())
                names.push_back({level.name, level.where});
        }
    }
    return names;
}

}  // namespace

std::vector<std::string> repeatedNames(const std::vector<LevelSet>& sets)
{
    std::vector<NamePlace> names = namesOf(sets);
    std::vector<std::string> repeats;
    for (size_t i = 0; i < names.size(); ++i) {
        for (size_t earlier = 0; earlier < i; ++earlier) {
            if (withoutBlanks(names[earlier].name) != withoutBlanks(names[i].name))
                continue;
            repeats.push_back("name " + names[i].name + " twice: " + names[earlier].where + " and " + names[i].where);
            break;
        }
    }
    return repeats;
}

int mirrorPercent(const Level& level)
{
    if (!isBoardSize(level.size))
        return 0;
    int same = 0;
    for (int col = 0; col < level.size; ++col) {
        for (int row = 0; row < level.size; ++row)
            same += level.picture[col][row] == level.picture[level.size - 1 - col][row] ? 1 : 0;
    }
    return same * 100 / (level.size * level.size);
}

bool isMirrorSymmetric(const Level& level)
{
    return mirrorPercent(level) >= symmetricBlockPercent;
}

std::vector<SymmetryShare> symmetryShares(const std::vector<LevelSet>& sets)
{
    std::vector<SymmetryShare> shares;
    for (int size : {10, 15, 20}) {
        SymmetryShare share;
        share.size = size;
        for (const LevelSet& set : sets) {
            for (const Level& level : set.levels) {
                if (level.size != size || !level.flaw.empty())
                    continue;
                ++share.pictures;
                share.symmetric += isMirrorSymmetric(level) ? 1 : 0;
            }
        }
        if (share.pictures > 0)
            shares.push_back(share);
    }
    return shares;
}

bool tooSymmetric(const SymmetryShare& share)
{
    return share.symmetric * 100 > mostSymmetricPercent * share.pictures;
}

std::string symmetryText(const SymmetryShare& share)
{
    std::string size = std::to_string(share.size);
    // Rounded up, so a share just above the bound never reads as the bound.
    int percent = share.pictures > 0 ? (share.symmetric * 100 + share.pictures - 1) / share.pictures : 0;
    return size + " x " + size + ": " + std::to_string(share.symmetric) + " of " + std::to_string(share.pictures) +
           " pictures (" + std::to_string(percent) + "%) mirror-symmetric, at most " +
           std::to_string(mostSymmetricPercent) + "%";
}
