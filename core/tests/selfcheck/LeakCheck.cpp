// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that leaks on purpose, in the ways our own code could: memory
// from new, a string formatted by the C library (the allocator path of a
// system library's leak that the suppressions list), and memory from new in
// a slot run by Qt's event loop (whose stack passes through GLib). Under the
// sanitizer build LeakSanitizer must report each and fail the run, which
// shows the suppressions cannot hide a leak of ours.
#include <QCoreApplication>
#include <QTimer>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char* FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    char* text = nullptr;
    if (vasprintf(&text, format, arguments) < 0) text = nullptr;
    va_end(arguments);
    return text;
}

// Kept out of reach so no pointer to the blocks survives on the stack.
__attribute__((noinline)) void Leak(bool formatted) {
    if (formatted) {
        char* text = FormatText("%s:%d", "leaked on purpose", 17);
        std::printf("%zu\n", std::strlen(text));
    } else {
        int* numbers = new int[8]();
        std::printf("%d\n", numbers[3]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* kind = argc > 1 ? argv[1] : "new";
    if (std::strcmp(kind, "event") == 0) {
        QCoreApplication app(argc, argv);
        QTimer::singleShot(0, &app, [] {
            Leak(false);
            QCoreApplication::quit();
        });
        return app.exec();
    }
    Leak(std::strcmp(kind, "formatted") == 0);
    return 0;
}
