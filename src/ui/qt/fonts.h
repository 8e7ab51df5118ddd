#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

#include "ui/layout.h"

namespace morvana {

// A font of the layout table asked for by face name, with `substitute` as the
// face Qt falls back on where that name is not installed. family() stays the
// face the table names.
[[nodiscard]] QFont MakeFont(const layout::Font& font, const QString& substitute);

// The table's face first, then the installed faces that look most like it.
[[nodiscard]] QStringList FaceCandidates(const layout::Font& font);

// The first installed candidate for which fits() holds; when none fits, the
// first installed one, since a clipped caption beats no text at all.
[[nodiscard]] QString PickFace(const QStringList& candidates,
                               const std::function<bool(const QString&)>& fits);

}  // namespace morvana
