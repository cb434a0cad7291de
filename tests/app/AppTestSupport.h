#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "MainSection.h"
#include "TempFolder.h"

// A settings file in a fresh folder of its own, removed afterwards. The
// indicator's settings are resolved to it, so no test touches "tavi.ini"
// beside the test program.
class TempSettings {
  public:
    const std::string& Path() const { return path; }
    void Write(const char* key, const char* value) const;
    void Write(const char* key, int value) const;
    // The value of a key of "MAIN", or "<missing>".
    std::string Read(const char* key) const { return ReadMainValue(path, key); }
    // The keys of the file in the order of their lines.
    std::vector<std::string> KeysInOrder() const;
    bool Exists() const { return FileExists(path); }
    void Remove() const { DeleteFileA(path.c_str()); }  // the file, not the folder

  private:
    TempFolder folder;
    std::string path = folder.FilePath("tavi.ini");
};

// A clean indicator record whose settings go to the given file.
void ResetIndicator(const TempSettings& settings);

// The tray popup menu, loaded from this program's menu resource 109.
HMENU LoadPopupMenu();
// Every greyed command of the menu and its submenus, in menu order.
std::vector<UINT> GreyedCommands(HMENU menu);

// Clears this thread's message queue.
void DiscardMessages();

// Types the colour into the colour chooser's red, green and blue fields.
void ChangeColour(HWND dialog, COLORREF colour);

// Closes the next dialog box this thread shows: a thread timer, which the
// dialog's own modal loop runs, finds the box, hands it to prepare and then
// presses the button (IDOK or IDCANCEL).
class DialogCloser {
  public:
    explicit DialogCloser(int button, std::function<void(HWND)> prepare = {});
    ~DialogCloser();
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

    bool Pressed() const { return pressed; }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void TryClose();

    int button;
    std::function<void(HWND)> prepare;
    UINT_PTR timer = 0;
    bool pressed = false;
};
