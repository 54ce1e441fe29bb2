// The host's messages that element modules show or format by number. They live in the kernel
// library's string table, reached through the resource chain; a module carries none of them.
#pragma once

// No slave chosen for an operation that needs one.
#define IDS_MC_SLAVE_REQUIRED 20037
// "%s": the key whose value is invalid.
#define IDS_MC_INVALID_VALUE 20048
