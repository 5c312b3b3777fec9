#pragma once

#include <QString>

#include "core/UserMessage.h"
#include "core/entry/PredictionFile.h"
#include "core/store/InstallPaths.h"
#include "core/store/Registrants.h"

/**
 * The five registrant slots and their prediction files "YDF<slot><name>.txt". A slot is registered
 * while it has a name, and the name lives only in the file's name, which carries it to the next start.
 */
class RegistrantSlots {
public:
    /** Longest name, in Shift-JIS bytes: 10 half-width or 5 full-width characters. */
    static constexpr int kMaxNameBytes = 10;

    /** Reads the names from the prediction files in the installation. */
    explicit RegistrantSlots(InstallPaths paths);

    const RegistrantNames& names() const { return m_names; }
    /** The name of slot 1 … 5; empty for a free slot or a slot outside 1 … 5. */
    QString name(int slot) const;
    bool isRegistered(int slot) const { return !name(slot).isEmpty(); }

    /** The prediction file of a registered slot 1 … 5; the sample file for any other slot. */
    PredictionFile predictionFile(int slot) const;

    /**
     * Checks a name: not empty, at most 10 Shift-JIS bytes, every character writable in Shift-JIS,
     * and usable inside a file name (no "/", no control characters, not "." or "..").
     */
    static Status checkName(const QString& name);

    /**
     * Registers slot 1 … 5 under a name. A free slot gets its prediction file, created empty unless
     * one is already there; a slot registered under another name has its file renamed, so its
     * predictions stay. A refused or failed change leaves names and files as they were.
     */
    Status setName(int slot, const QString& name);

    /** Frees a registered slot 1 … 5 and deletes its prediction file. */
    Status remove(int slot);

private:
    static bool isSlot(int slot) { return slot >= 1 && slot <= kRegistrantSlots; }

    InstallPaths m_paths;
    RegistrantNames m_names;
};
