// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <QHash>

namespace platform {

namespace {

// Keys whose code does not follow from a range. A shifted symbol has the code
// of the key that types it on a US keyboard, as the desktop reports it.
const QHash<int, int> &fixedCodes()
{
    // clang-format off
    static const QHash<int, int> codes{
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, vk::Tab}, {Qt::Key_Backtab, vk::Tab}, {Qt::Key_Clear, 12},
        {Qt::Key_Return, vk::Return}, {Qt::Key_Enter, vk::Return}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, vk::Escape}, {Qt::Key_Space, vk::Space}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35}, {Qt::Key_Home, 36}, {Qt::Key_Left, vk::Left}, {Qt::Key_Up, vk::Up},
        {Qt::Key_Right, vk::Right}, {Qt::Key_Down, vk::Down}, {Qt::Key_Select, 41}, {Qt::Key_Printer, 42},
        {Qt::Key_Execute, 43}, {Qt::Key_Print, 44}, {Qt::Key_SysReq, 44}, {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46}, {Qt::Key_Help, 47},
        // The shifted digits.
        {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'},
        {Qt::Key_Meta, 91}, {Qt::Key_Super_L, 91}, {Qt::Key_Super_R, 92}, {Qt::Key_Menu, 93},
        {Qt::Key_Sleep, 95}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
        {Qt::Key_Back, 166}, {Qt::Key_Forward, 167}, {Qt::Key_Refresh, 168}, {Qt::Key_Stop, 169},
        {Qt::Key_Search, 170}, {Qt::Key_Favorites, 171}, {Qt::Key_HomePage, 172},
        {Qt::Key_VolumeMute, 173}, {Qt::Key_VolumeDown, 174}, {Qt::Key_VolumeUp, 175},
        {Qt::Key_MediaNext, 176}, {Qt::Key_MediaPrevious, 177}, {Qt::Key_MediaStop, 178},
        {Qt::Key_MediaTogglePlayPause, 179}, {Qt::Key_MediaPlay, 179}, {Qt::Key_LaunchMail, 180},
        {Qt::Key_LaunchMedia, 181}, {Qt::Key_Launch0, 182}, {Qt::Key_Launch1, 183},
        // Punctuation, each with its shifted symbol.
        {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
    };
    // clang-format on
    return codes;
}

// The number pad's own keys, when Num Lock makes them type.
int keypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110; // the decimal key, whichever sign it types
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

// The code the desktop keeps for the letters and signs that only some
// keyboards have (ä, ß, é, §, ...).
constexpr int otherCharacterCode = 223;

// What the desktop gives a key it has no name for.
constexpr int unnamedKeyCode = 255;

// The code of a key by its place on a US keyboard, from its X keycode; 0 for
// a place not listed.
int codeByPlace(quint32 keycode)
{
    // Rows of the main block, each a run of consecutive keycodes.
    struct Row {
        quint32 first;
        const char *codes;
    };
    static constexpr Row rows[] = {
        {10, "1234567890\xbd\xbb"},      // digits, minus, equals
        {24, "QWERTYUIOP\xdb\xdd"},      // brackets
        {38, "ASDFGHJKL\xba\xde\xc0"},   // semicolon, apostrophe, grave
        {51, "\xdcZXCVBNM\xbc\xbe\xbf"}, // backslash ... slash
        {94, "\xe2"},                    // the extra key beside left Shift
        {135, "\x5d"},                   // the menu key, Compose on many desktops
    };
    for (const Row &row : rows) {
        const quint32 length = quint32(qstrlen(row.codes));
        if (keycode >= row.first && keycode < row.first + length)
            return uchar(row.codes[keycode - row.first]);
    }
    return 0;
}

int codeOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode)
{
    if (const int code = codeOfQtKey(qtKey, modifiers))
        return code;
    if (nativeScanCode == 0)
        return 0;
    if (const int code = codeByPlace(nativeScanCode))
        return code;
    return unnamedKeyCode;
}

namespace {

int codeOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = keypadCode(qtKey))
            return code;
    }
    // Letters and digits have the same codes in both worlds.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (const auto it = fixedCodes().constFind(qtKey); it != fixedCodes().constEnd())
        return it.value();
    if (qtKey > Qt::Key_Space && qtKey <= Qt::Key_ydiaeresis)
        return otherCharacterCode;
    return 0;
}

} // namespace

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

} // namespace platform
