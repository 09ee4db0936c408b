// The standard library's throw helpers for the stub program, raising the toolkit's Exception: the library's
// own would bring its copy-on-write string and exception classes into every package.
#include <new>

#include "toolkit/core/Exception.h"

namespace std {

void __throw_bad_exception() { throw Exception("bad exception"); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_bad_cast() { throw Exception("bad cast"); }
void __throw_bad_typeid() { throw Exception("bad typeid"); }
void __throw_bad_function_call() { throw Exception("bad function call"); }
void __throw_logic_error(const char* what) { throw Exception(what); }
void __throw_domain_error(const char* what) { throw Exception(what); }
void __throw_invalid_argument(const char* what) { throw Exception(what); }
void __throw_length_error(const char* what) { throw Exception(what); }
void __throw_out_of_range(const char* what) { throw Exception(what); }
void __throw_out_of_range_fmt(const char* what, ...) { throw Exception(what); }
void __throw_runtime_error(const char* what) { throw Exception(what); }
void __throw_range_error(const char* what) { throw Exception(what); }
void __throw_overflow_error(const char* what) { throw Exception(what); }
void __throw_underflow_error(const char* what) { throw Exception(what); }
void __throw_system_error(int) { throw Exception("system error"); }

}  // namespace std
