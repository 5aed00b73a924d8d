#include "ui/drawn/message_box_choice.h"

#include "ui/drawn/message_box_face.h"

TMsgBoxChoice::TMsgBoxChoice(TMsgBoxButtons buttons) : FResults(MsgBoxButtonResults(buttons)) { }

std::optional<TMsgBoxResult> TMsgBoxChoice::Key(TKey key, TShiftState shift)
{
    const int count = static_cast<int>(FResults.size());
    switch (key) {
    case TKey::Tab:
        FFocused = (FFocused + ((shift & ssShift) ? count - 1 : 1)) % count;
        break;
    case TKey::Right:
    case TKey::Down:
        FFocused = (FFocused + 1) % count;
        break;
    case TKey::Left:
    case TKey::Up:
        FFocused = (FFocused + count - 1) % count;
        break;
    case TKey::Return:
    case TKey::Space:
        return FResults[static_cast<std::size_t>(FFocused)];
    case TKey::Escape:
        return Escape();
    default:
        break;
    }
    return std::nullopt;
}

TMsgBoxResult TMsgBoxChoice::Escape() const
{
    for (TMsgBoxResult result : FResults)
        if (result == TMsgBoxResult::Cancel || result == TMsgBoxResult::No)
            return result;
    return TMsgBoxResult::Ok;
}

void TMsgBoxChoice::MouseDown(int index)
{
    if (index < 0 || index >= static_cast<int>(FResults.size()))
        return;
    FFocused = index;
    FPressed = index;
}

std::optional<TMsgBoxResult> TMsgBoxChoice::MouseUp(int index)
{
    const int pressed = FPressed;
    FPressed = -1;
    if (pressed < 0 || pressed != index)
        return std::nullopt;
    return FResults[static_cast<std::size_t>(index)];
}
