// The client library, KVWIN32, bound at run time: the program loads it with
// the platform's loader and finds its thirteen calls by name, so that one
// build serves every build of the library a site may have. The rest of the
// program calls them as kvnapi/kvnapi.h declares them.
#ifndef KVNBINDING_CLIENT_LIBRARY_H
#define KVNBINDING_CLIENT_LIBRARY_H

#include <string>

namespace kvn {

// Loads the library and finds its calls, once. Empty when every call was
// found; else the line, without its line end, that tells an operator what is
// missing: the library (and why the loader refused it) or one of its calls.
const std::string& bindClientLibrary();

}  // namespace kvn

#endif  // KVNBINDING_CLIENT_LIBRARY_H
