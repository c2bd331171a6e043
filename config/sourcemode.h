#pragma once

// Where the catalogue that setup offers comes from: the disc's product description, the update
// description downloaded beside setup, or both joined (a disc entry and a web entry of the
// same name become one row that offers both sources).

#include <QMetaType>

enum class SourceMode {
    None,       // neither file was found: nothing is offered
    DiscOnly,   // scanner_win.xml alone
    UpdateOnly, // update.xml alone (a copy of setup without its disc)
    Merged,     // both, merged
};

Q_DECLARE_METATYPE(SourceMode)
