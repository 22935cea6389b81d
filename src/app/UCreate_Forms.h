#pragma once
// The forms of the program, created once at start-up; each lives until the application frees it.

// Creates every form in start-up order, the main window first (it becomes the main form).
void Create_Forms();
