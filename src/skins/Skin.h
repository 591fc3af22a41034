#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/Prompts.h"

// The skin library: one folder per skin in the skins folder of the data folder, with the
// pictures of the three size classes in "0", "1" and "2" and, in "sys", stored copies of the
// colour settings "sfo.0", the window count "windows" and the skin window files "sfw.N".
//
// These operations only move files. Saving the live files beforehand, asking how a skin is
// to be applied and rebuilding the windows afterwards belong to the caller.
namespace Skin {

inline constexpr const char* skinsFolderName = "skins";
inline constexpr const char* storedFolderName = "sys";
// The skin that comes with the program; applying it always brings back the built-in look.
inline constexpr const char* builtInName = "default";

// The question asked before a skin is applied, and its caption.
inline constexpr const char* applyQuestion = "When apllying the skin, use bitmaps only ?";
inline constexpr const char* applyCaption = "Veskplayer -use skin";

// A name every operation accepts: not empty, not "." or "..", without "/", "\", "|", ":" (a
// drive) or a zero character, so it always names one folder inside the skins folder.
bool isValidName(const QString& name);

// The skin's name in a stored skin path ("default" of "skins\default"); empty when the path
// is not a skin of the skins folder.
QString nameOf(const QString& skinPath);
// The stored skin path of a skin: "skins\" + name.
QString pathOf(const QString& name);
// The skin's folder on disk; empty when the skin path is not a skin of the skins folder.
QString folderOf(const QString& dataFolder, const QString& skinPath);

// The folders of the skins folder in name order, "." and ".." included (the skin menu gives
// each position an id, and leaves those two out). Empty when the folder cannot be read.
QStringList listSkins(const QString& dataFolder);

enum class CreateResult { Created, Refused, Kept };
// Makes the skin's folder with the 66 built-in pictures. A refused name is reported; the
// pictures of an existing skin are replaced only when the user agrees (else Kept).
CreateResult createSkin(const QString& dataFolder, const QString& name, Prompts& prompts);

// The new-skin dialog: a name box holding "name", Ok and Cancel. Ok makes the skin of the name
// typed (createSkin); nothing when the user cancelled.
std::optional<CreateResult> newSkinDialog(const QString& dataFolder, Prompts& prompts,
                                          PromptOwner owner = nullptr);

// Moves the skin's folder into the desktop's home trash without asking (removes it with
// everything in it where it cannot go there). A refused name and the skin in use
// (currentSkinPath) are reported and nothing is removed.
bool deleteSkin(const QString& dataFolder, const QString& name, const QString& currentSkinPath,
                Prompts& prompts);

// Copies the live "sfo.0", "windows" and the skin window files of every window the live
// "windows" counts into the skin's "sys" folder. The caller writes the live files first.
// False when the skin path is not a skin of the skins folder or a copy failed.
bool saveSkin(const QString& dataFolder, const QString& skinPath);

// Writes the stored copy of the skin "default" (the built-in colours, one window, the built-in
// default window), as a save of that skin would; true when every file was written.
bool storeBuiltInLook(const QString& dataFolder);

// How the user answered the apply question: Yes takes the pictures (and colours) only, No
// the skin's windows too.
enum class ApplyChoice { PicturesOnly, PicturesAndWindows };
// The apply question; nothing when the user cancelled.
std::optional<ApplyChoice> askApplyChoice(Prompts& prompts);

struct AppliedSkin {
    // The new current skin path, to keep (it reaches "sfo.2" with its next save).
    QString skinPath;
    // The live "sfo.0" was replaced: read the colours again.
    bool coloursReplaced = false;
    // The live "windows" or a skin window file was replaced.
    bool windowsReplaced = false;
};

// The file side of applying a skin, after the caller saved the live window files: copies the
// skin's stored colours over the live "sfo.0" and, for PicturesAndWindows, its stored
// "windows" and skin window files over the live ones (a stored file that is missing leaves the
// live one as it is). Nothing for a refused name. The caller then rebuilds every window:
// every element takes its pictures from the new skin's folder.
std::optional<AppliedSkin> applySkin(const QString& dataFolder, const QString& name,
                                     ApplyChoice choice);

}  // namespace Skin
