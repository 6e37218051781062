// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/SchemeArray.h"

#include "app/LotcraftError.h"

#include <QCoreApplication>

const QString& SchemeArray::At(int index) const {
    CheckIndex(index);
    return m_entries[static_cast<size_t>(index - Lowest)];
}

void SchemeArray::Set(int index, const QString& value) {
    CheckIndex(index);
    m_entries[static_cast<size_t>(index - Lowest)] = value;
}

void SchemeArray::CheckIndex(int index) {
    if (index < Lowest || index > Highest)
        throw LotcraftError(
            QCoreApplication::translate("SchemeArray",
                                        "the colour scheme number %1 is outside the table, "
                                        "which holds the numbers %2 to %3")
                .arg(index)
                .arg(Lowest)
                .arg(Highest));
}
