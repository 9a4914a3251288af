// The main window's logic: GameState, the window model, and the handlers and
// procedures under their own names. Member functions are defined in the folder of the
// subsystem that owns each. Handlers never throw; every file they read may be broken.
#pragma once

#include "core/app/GameState.h"
#include "core/app/LoopSolver.h"
#include "core/app/Platform.h"
#include "core/app/WindowModel.h"
#include "core/files/ProgramFolder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// What became of an input: taken, or turned away with the reason ("hidden", "disabled",
// "no such segment", ...).
struct InputResult {
    std::string_view refusal; // empty when taken
    bool taken() const { return refusal.empty(); }
};

class Form1 {
  public:
    // Without a solver the level check's menu items stay disabled.
    Form1(ProgramFolder folder, Platform& platform, const LoopSolver* solver = nullptr);

    GameState state;
    WindowModel model;

    const ProgramFolder& folder() const { return folder_; }

    // ---- Input as the window lets it through: the one place that decides whether a
    // control, menu item or segment takes input. Each says why it turned one away.
    InputResult pressSegment(int index, int button);
    InputResult clickSquare(int index);
    InputResult clickControl(ControlId id);
    InputResult clickMenu(MenuId id);
    InputResult chooseComboEntry(int index);
    InputResult chooseFile(int index);
    InputResult selectListEntry(int index);
    InputResult setText(ControlId id, const std::string& text);
    // A press at client position (x, y) in twips with a mouse button, routed to the
    // front-most showing element.
    InputResult pressAt(double x, double y, int button);

    // ---- Start-up (app/)
    void Form_Load();
    void saver();

    // ---- Board (board/)
    void subsize();
    void colorsub();
    void Label1_MouseDown(int index, int button);
    void countsub();
    void checker();
    // Ascending indexes of the marked segments.
    std::vector<int> markedSegments() const;

    // ---- Levels (levels/)
    void readpuz(const std::string& relativePath);
    void nextgame();
    void missing();
    void finale();
    void victory();
    void Command2_Click();
    void mskip_Click();
    void mshows_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void closeskip();
    void mnopen_Click();
    void Combo1_Click();
    void File1_Click();
    void opener();
    void Command9_Click();
    void mrest_Click();

    // ---- Editor (editor/)
    void mcreate_Click();
    void mnedit_Click();
    void cell_Click(int index);
    void m0_Click();
    void m1_Click();
    void m2_Click();
    void m3_Click();
    void m4_Click();
    void mclear_Click();
    void Command1_Click();
    void mncheck_Click();
    void mnsolve_Click();

    // ---- Hints (hints/)
    void mh1_Click();
    void mh2_Click();

    // ---- Size selection (app/)
    void mnquick_Click();
    void mnnorm_Click();
    void mnuhard_Click();
    void mnadv_Click();

    // ---- Clearing, restarting and themes (board/)
    void clear();
    void Command3_Click();
    void mnres_Click();
    void mdef_Click();
    void mnalt_Click();
    void mnuwas_Click();
    void mnugrey_Click();

    // ---- Sound, start screen, help texts, version, web links (help/)
    void mnsound_Click();
    void mnstart_Click();
    void Command4_Click();
    void mrules_Click();
    void mnread_Click();
    void Command5_Click();
    void mVer_Click();
    void mnat_Click();
    void msolweb_Click();
    void mfor_Click();
    void mweb_Click();

    // ---- Texts held by the window's hidden stores.
    const std::string& solutionText() const { return model[ControlId::Label2].caption; }
    const std::string& clueText() const { return model[ControlId::Label3].caption; }
    const std::string& extraText() const { return model[ControlId::Label4].caption; }
    const std::string& markedText() const { return model[ControlId::Text1].caption; }

    // Paths below the program folder.
    std::string levelFolder() const;               // puzzles/<sizeClass>/
    std::string seriesLevelFile(int number) const; // puzzles/<sizeClass>/game<N>.puz
    std::string progressFile() const;              // puzzles/<sizeClass>/level.dat
    std::string skippedFile() const;               // puzzles/<sizeClass>/skipped.dat
    void playSound(const std::string& file);       // "/setup/1.wav"
    void message(const std::string& text);         // OK box titled "Quirn"
    // Writes one of the player's files (what: "Your progress", ...). The first failure
    // of a run tells the player what could not be saved, where and why; play goes on.
    void save(const std::string& relative, const std::string& bytes, const std::string& what);

    // Settings and progress files are small; anything larger is not ours.
    static constexpr std::size_t kSmallFileLimit = 1 << 20;
    // A skipped list of this size holds about a million entries.
    static constexpr std::size_t kListFileLimit = 16 << 20;

  private:
    void loadThemePicture();
    void runMenuCommand(MenuId id);
    // The window's Top on the screen, in twips.
    double windowTop() const;
    void placeStartScreen(double top);
    void showStartScreenAtStartUp();
    void setSizeChecks();
    void emptyBoard(bool keepOutlines);
    void readGameNumber();
    void chooseSize(const std::string& keyword);
    void applyTheme(const std::string& picture, std::uint32_t line, std::uint32_t button,
                    std::uint32_t text);
    void showHelpFile(const std::string& file);
    int revealSolution(bool (*passes)(const std::string&), int limit);
    void raiseHintFactor();
    void refreshFileList();
    void showEditorControls();
    // "Save As #:", its number box and "Clear All".
    void hideEditorControls();
    void setSelectedClue(const char* clue);
    // playMode, and "Solve from clues" usable exactly while the editor is on.
    void setPlayMode(std::int16_t mode);
    Solutions solveBoard() const;
    void reportCheck(const Solutions& found);
    void openWebPage(const std::string& page, const std::string& failureText);
    void writeProgress(int number);

    ProgramFolder folder_;
    Platform& platform_;
    const LoopSolver* solver_;
    bool skippedListUnreadable_ = false;
    // Each sound's path, resolved at its first play: presses don't search the disk.
    std::map<std::string, std::filesystem::path> soundFiles_;
    bool saveFailureTold_ = false;
};

// Colour text as a number, blanks around the digits ignored; anything else is black.
std::uint32_t colourFromText(const std::string& text);

} // namespace quirn
