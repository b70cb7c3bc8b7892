# The distribution's hardening flags (what dpkg-buildflags gives with hardening=+all), for every
# target: a stack protector, position-independent executables, and a read-only relocation table
# bound at start (RELRO, bind-now). _FORTIFY_SOURCE needs the optimizer and fights the
# sanitizers' own checks of the same functions, so it is left out of debug and sanitizer builds.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
add_link_options(-Wl,-z,relro -Wl,-z,now)

if(NOT QX_SANITIZE AND NOT QX_FUZZ)
    set(optimized "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
    add_compile_options("$<${optimized}:-U_FORTIFY_SOURCE>" "$<${optimized}:-D_FORTIFY_SOURCE=2>")
endif()
