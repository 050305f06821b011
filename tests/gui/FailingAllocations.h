// Fault injection for the GUI tests: the test program's operator new can be told to fail.
#pragma once

// Makes the n-th allocation from now on throw std::bad_alloc; 0 turns it off again.
void FailAllocationAfter(int n);

// Whether the armed failure happened since the last FailAllocationAfter.
bool AllocationFailed();
