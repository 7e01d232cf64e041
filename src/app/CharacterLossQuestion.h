#pragma once

class QWidget;

namespace kvf {

struct CharacterLoss;

// Asks before a save writes characters the file's code page cannot hold as '?'. Cancel is
// the default; true only when the user chose to replace them.
bool AskToReplaceLostCharacters(QWidget* parent, const CharacterLoss& loss);

} // namespace kvf
