# JUCE is compiled exactly once, into qx_juce. Its modules are linked PRIVATE (linking them PUBLIC
# would recompile them into every consumer and risk ODR violations); their compile definitions and
# include directories are re-exported so our code can include the module headers.
add_library(qx_juce STATIC)

# Debian's JUCE uses the system's image and compression libraries instead of its bundled copies.
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)

target_link_libraries(qx_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_audio_basics
        juce::juce_audio_devices
        PNG::PNG
        JPEG::JPEG
        ZLIB::ZLIB
    PUBLIC
        juce::juce_recommended_config_flags)

target_compile_definitions(qx_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_USE_XRANDR=1
        JUCE_USE_XINERAMA=1
        JUCE_USE_XCURSOR=1
        JUCE_USE_XSHM=1
    INTERFACE
        $<TARGET_PROPERTY:qx_juce,COMPILE_DEFINITIONS>)

# SYSTEM: our stricter warnings are for our own code, not JUCE's headers.
target_include_directories(qx_juce SYSTEM
    INTERFACE
        $<TARGET_PROPERTY:qx_juce,INCLUDE_DIRECTORIES>)

set_target_properties(qx_juce PROPERTIES POSITION_INDEPENDENT_CODE ON)

# Warning flags for our own targets only; JUCE's sources are not ours to clean.
add_library(qx_warnings INTERFACE)
target_compile_options(qx_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor -Woverloaded-virtual)
option(QX_WARNINGS_AS_ERRORS "Treat warnings in our own code as errors (CI)" OFF)
if(QX_WARNINGS_AS_ERRORS)
    target_compile_options(qx_warnings INTERFACE -Werror)
endif()
