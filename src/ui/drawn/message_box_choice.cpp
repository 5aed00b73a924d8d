#include "ui/drawn/message_box_choice.h"

#include <cstring>

#include "ui/drawn/message_box_face.h"

namespace {

// Whether `key` is the access key the button's caption underlines.
bool IsAccessKey(TMsgBoxResult button, TKey key)
{
    const char* amp = std::strchr(MsgBoxButtonCaption(button), '&');
    return amp != nullptr && amp[1] >= 'A' && amp[1] <= 'Z' && static_cast<TKey>(amp[1]) == key;
}

}  // namespace

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
        for (TMsgBoxResult result : FResults)
            if (IsAccessKey(result, key))
                return result;
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
