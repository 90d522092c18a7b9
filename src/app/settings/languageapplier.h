#pragma once

#include "profile.h"

#include <QString>

#include <optional>

class QObject;

namespace tessarine {

class TLanguageFiles;

// One user-interface language: the texts of a language file, applied window by window.
//
// A window's texts are in the section named after the window's objectName. A key naming a
// component of the window (its objectName) gives that component's caption: tab pages (the tab's
// text), buttons of every kind, labels, group boxes (radio groups included), menus and menu
// actions. Windows inside the window (dialogs parented to it) are left to their own section.
// The twelve dialogs (objectNames SetSystem, SetPrint, Prints, SetText, SetBar, SetObject,
// ImageLibrary, FileInformation, DataBase, PreviewFrm, QueryTable, SetImage) take their title
// from the key named like the window, and they and the main window ("Main") take the face of
// section "Style", key "Font". A few list controls have their items
// rebuilt from fixed keys (combo boxes, list widgets and radio groups: a radio group is a
// QGroupBox whose items are the radio buttons that are its direct children, in creation order;
// missing buttons are added to its layout, surplus ones deleted).
//
// A key that is missing leaves the text as it was, a list item included; a list none of whose
// keys is present keeps its items and selection; a missing or empty "Font" leaves the font.
class TLanguage
{
public:
    TLanguage() = default;
    explicit TLanguage(TProfile profile);

    // nullopt when the file cannot be read.
    static std::optional<TLanguage> Load(const QString& path);

    const TProfile& Profile() const { return Profile_; }
    QString FontFace() const;

    void Apply(QObject* window) const;

private:
    TProfile Profile_;
};

// Applies the language of that name to one window. A language without a readable file changes
// nothing and returns false.
bool ApplyLanguage(const TLanguageFiles& files, const QString& name, QObject* window);

} // namespace tessarine
