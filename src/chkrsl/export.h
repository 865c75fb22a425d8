// CHKRSL_API marks what the library's DLL exports: the record classes and
// the functions the suite's modules call. Building the DLL defines
// CHKRSL_BUILDING_DLL; its users get CHKRSL_SHARED from CMake and import.
// The static library and its users see nothing.
#pragma once

#if defined(CHKRSL_BUILDING_DLL) || defined(CHKRSL_SHARED)
#if defined(_WIN32)
#if defined(CHKRSL_BUILDING_DLL)
#define CHKRSL_API __declspec(dllexport)
#else
#define CHKRSL_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define CHKRSL_API __attribute__((visibility("default")))
#endif
#endif

#ifndef CHKRSL_API
#define CHKRSL_API
#endif
