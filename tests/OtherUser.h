// Runs a piece of a test as the unprivileged user "nobody", in a child process, so that file
// permissions apply even when the tests run as root.
#pragma once

#include <functional>
#include <string>

constexpr unsigned kNobody = 65534;

// Only root can switch users; tests that need another user skip otherwise.
bool CanActAsOtherUser();

// The child's result: what `body` returned, or -1 when it could not run.
int RunAsNobody(const std::function<int()>& body);

// Gives a path to `uid`:`gid` with `mode`.
void SetOwner(const std::string& path, unsigned uid, unsigned gid, unsigned mode);
