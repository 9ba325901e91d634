// SPDX-License-Identifier: GPL-3.0-or-later
// Who a file belongs to and what may be done with it: owner, group, permission bits, ACLs and
// extended attributes (private to the platform layer).
#pragma once

namespace FileAttributes
{
/// True when the two open files have the same owner, group, mode and extended attributes
/// (names and values; ACLs are kept among them). A file system without extended attributes
/// counts as holding none.
bool same(int a, int b);

/// Gives `to` the owner, group, mode and extended attributes of `from`, dropping attributes of
/// its own that `from` lacks; false when any of them could not be set.
bool copy(int from, int to);
} // namespace FileAttributes
