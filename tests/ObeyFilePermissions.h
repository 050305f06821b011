// While it lives, the calling thread obeys file permissions even when the tests run as root:
// the capabilities that override them leave its effective set, and come back afterwards.
// Without them root, too, is refused a file in a read-only folder.
#pragma once

class ObeyFilePermissions {
public:
    ObeyFilePermissions();
    ~ObeyFilePermissions();
    ObeyFilePermissions(const ObeyFilePermissions&) = delete;
    ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

private:
    unsigned m_nSavedEffective = 0;
    bool m_bDropped = false;
};
