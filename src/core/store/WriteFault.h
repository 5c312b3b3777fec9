#pragma once

#include <QString>

/** Why a change of files failed: the file it failed on and the system's reason. */
struct WriteFault {
    QString path;
    QString reason;
    /**
     * Whether every file is as it was. Only when a second failure stops the way back is it not: then
     * the next open settles the change, wholly old or wholly new.
     */
    bool unchanged = true;
};
