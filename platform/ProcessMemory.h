// The program's own memory.
#pragma once

// Gives the memory the program has freed back to the system. The dialogs before a game (a
// parent's Setup session, help, previews) leave many megabytes free in the program's heap,
// which the system would otherwise count as the game's.
void ReturnFreeMemory();

// Called at the start: every large block the program frees (a picture decoded for one
// display, the parts of a sound) goes back to the system at once, rather than staying in
// the heap for the rest of the game.
void ReturnLargeBlocksWhenFreed();
