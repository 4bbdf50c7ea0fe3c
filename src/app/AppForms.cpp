#include "app/AppForms.h"

#include "app/Game.h"
#include "model/Modul1.h"
#include "model/NewGame.h"

namespace game {

using forms::Button;
using forms::CheckBox;
using forms::Label;

void GameForm::unhandled(const std::exception&) {
    ShowMsg(game_, "Chyba");
}

SplashForm::SplashForm(Game& game)
    : GameForm(game, "frmSplash"), Timer1(addTimer("Timer1", 3000, true)) {
    setCaption(kAppTitle);
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// Three seconds after the start: the splash gives way to the main menu, once.
void SplashForm::Timer1_Timer() {
    hide();
    game().mainMenu().show();
    Timer1.disable();
}

MainMenuForm::MainMenuForm(Game& game)
    : GameForm(game, "frmMain"),
      Command1(add<Button>("Command1", "New Game")),
      Command8(add<Button>("Command8", "Tutorial")),
      Option1(add<CheckBox>("Option1", "Pauza")),
      Command2(add<Button>("Command2", "Encyklopedie Jednotek")),
      Command3(add<Button>("Command3", "Encyklopedie Budov")),
      Command4(add<Button>("Command4", "Encyklopedie Ras")),
      Command5(add<Button>("Command5", "Credits")),
      Command6(add<Button>("Command6", "Exit")) {
    setCaption(kAppTitle);
    Command1.onClick = [this] { Command1_Click(); };
    Command8.onClick = [this] { Command8_Click(); };
}

void MainMenuForm::Form_Load() {
    game().state().IniPath = (game().platform().programDir() / "Data" / "data.ini").string();
}

// "New Game" starts the one game of the program run; "Resume" returns to it.
void MainMenuForm::Command1_Click() {
    if (Command1.tag() != "resume") {
        game().newGame().show();
        Command1.setTag("resume");
        Command1.setText("Resume");
        hide();
        Command8.disable();
        Option1.enable();
    } else {
        hide();
    }
}

void MainMenuForm::Command8_Click() {
    Command1.setTag("resume");
    Command1.setText("Resume");
    game().intro().show();
    hide();
}

void MainMenuForm::resetToNewGame() {
    Command1.setTag("");
    Command1.setText("New Game");
}

IntroForm::IntroForm(Game& game)
    : GameForm(game, "frmUvod"),
      Label1(add<Label>(
          "Label1",
          "Základní herní princip spočívá v udržení funkční ekonomiky a dostatku území. K tomu "
          "máš k dispozici různé nástroje. Musíš nakupovat jednotky, aby jsi se udržel "
          "bojeschopný, musíš nakupovat ubytovací místa, aby jsi měl kde ubytovávat své vojáky, "
          "musíš stavět doly, aby jsi měl vojáky z čeho platit aj. Nebojte se, zní to složitě, "
          "ale až si hru zahrajete tak poznáte jaká je to zábava.Na nepřítele můžeš zaútočit z "
          "různých pohnutek, třeba pro získání dalšího území, pro navýšení bodů svému "
          "generálovi, nebo prostě jen proto že tě štve. Můžes s ním ale uzavřít dohodu o "
          "neútočení, na kolik kol se jen rozhodnete, samozřejmě není to zadarmo a protihráč na "
          "to nemusí vůbec přistoupit. Nebudu to déle protahovat, a tak vám přeji dobrou zábavu "
          "a doufám, že se vám hra bude líbit. Jo a ješte P.S. Podmínky prohry:Váš výnos klesne "
          "pod -10 nebo vaše území klesne pod 100 tak pozor při nakupování jednotek a dolů!!!")),
      Label2(add<Label>("Label2", "Za tým Zarvokanu přeje hodně štěstí Vojta")),
      Command1(add<Button>("Command1", "OK")) {
    setCaption("Úvod");
    Command1.onClick = [this] { Command1_Click(); };
}

// On to the tutorial window.
void IntroForm::Command1_Click() {
    hide();
}

MessageForm::MessageForm(Game& game)
    : GameForm(game, "frmMsg"),
      lblText(add<Label>("lblText", "NO TEXT")),
      Command1(add<Button>("Command1", "OK")) {
    setCaption("Zpráva");
    Command1.onClick = [this] { hide(); };
}

}  // namespace game
