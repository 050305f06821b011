#include "ObeyFilePermissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
bool Capabilities(__user_cap_data_struct (&data)[2], bool bSet) {
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(bSet ? SYS_capset : SYS_capget, &header, data) == 0;
}
}  // namespace

ObeyFilePermissions::ObeyFilePermissions() {
    __user_cap_data_struct data[2] = {};
    if (!Capabilities(data, false)) {
        return;
    }
    m_nSavedEffective = data[0].effective;
    data[0].effective &=
        ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_bDropped = Capabilities(data, true);
}

ObeyFilePermissions::~ObeyFilePermissions() {
    __user_cap_data_struct data[2] = {};
    if (m_bDropped && Capabilities(data, false)) {
        data[0].effective = m_nSavedEffective;
        Capabilities(data, true);
    }
}
