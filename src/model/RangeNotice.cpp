#include "model/RangeNotice.h"

#include "model/Modul1.h"

namespace game {

void RangeNotice::failed(Game& game, std::string_view what, const NumberError& error) {
    if (reported_.count(what)) return;
    reported_.emplace(what);
    const std::string reason = error.kind() == NumberError::Kind::Overflow
                                   ? " je mimo rozsah -32768 až 32767"
                                   : " nelze spočítat";
    ShowMsg(game, "Hodnota „" + std::string(what) + "“" + reason +
                      ", zůstává její poslední platná hodnota.");
}

void RangeNotice::recovered(std::string_view what) {
    auto it = reported_.find(what);
    if (it != reported_.end()) reported_.erase(it);
}

}  // namespace game
