#pragma once

#include <cstddef>

// What the host process holds, counted to see whether loading and unloading the
// plug-in leaves anything behind.
namespace dovrik::host {

// The threads of this process, from a snapshot; -1 when no snapshot can be taken.
int threadsOfThisProcess();

// The open kernel handles of this process: every handle value that the platform
// knows, asked one by one.
int openHandles();

// The bytes of private memory committed in this process's address space: heaps,
// stacks and other allocations, but not the mapped images of programs and
// libraries.
std::size_t committedPrivateBytes();

} // namespace dovrik::host
