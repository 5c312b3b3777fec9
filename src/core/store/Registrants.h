#pragma once

#include <QString>

#include <array>
#include <optional>

class InstallPaths;

/** Number of registrant slots. */
inline constexpr int kRegistrantSlots = 5;

/** The registrants' names by slot 1 … 5 (index 0 … 4); an empty name is a free slot. */
using RegistrantNames = std::array<QString, kRegistrantSlots>;

/** What the name of a registrant's prediction file tells: its slot and the registrant's name. */
struct RegistrantFileName {
    int slot = 0;
    QString name;

    /**
     * Reads "YDF" + slot digit 1 … 5 + name + ".txt"; any other file name (a leftover of an
     * interrupted save such as "YDF1abc.txt.Xy12Zq", "ydf1abc.txt", "YDF6abc.txt") is none.
     * The name may be empty ("YDF1.txt").
     */
    static std::optional<RegistrantFileName> parse(const QString& fileName);
};

/**
 * Recovers the registrant names from the prediction files "YDF<slot><name>.txt" in a folder.
 * Files are taken in name order; a later file for the same slot wins. A name that is not UTF-8
 * (a folder from the Windows program) is read as Shift-JIS.
 */
RegistrantNames scanRegistrants(const QString& predictionFolder);

/**
 * The prediction file of a registrant: "YDF<slot><name>.txt" in UTF-8, or, where the folder has
 * none, the file whose name reads as that slot and name (a Shift-JIS name keeps its bytes).
 */
QString findRegistrantFile(const InstallPaths& paths, int slot, const QString& name);
