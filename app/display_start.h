#pragma once
// The start of the windowing platform. Without a display Qt ends the program
// with an English abort; while a DisplayStart lives, that failure instead
// says in Japanese that no display was found and exits with status 1. The
// platform's warnings meanwhile are held back: a start that works passes them
// on afterwards, a start that fails says only the Japanese.

namespace vadelon {

class DisplayStart {
public:
    DisplayStart();
    ~DisplayStart();
    DisplayStart(const DisplayStart&) = delete;
    DisplayStart& operator=(const DisplayStart&) = delete;
};

// What the program says when it finds no display.
inline constexpr char kNoDisplayMessage[] = "ヴァデロン1.0: 画面（ディスプレイ）に接続できません。"
                                            "デスクトップの中で起動するか、環境変数 DISPLAY を確かめてください。\n";

}  // namespace vadelon
