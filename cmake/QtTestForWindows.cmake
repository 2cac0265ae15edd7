# Qt for Windows comes without Qt Test, which the view tests use. This builds it, as Qt6Test.dll
# beside the view tests, from Qt's own testlib sources of the same version (TAVORIN_QTTEST_SOURCE:
# the src/testlib folder of Debian's qt6-base source, fetched by tools/windows-test.sh) and the
# build machine's QtTest headers of that version (qt6-base-dev, qt6-base-private-dev). Without the
# sources no Qt6::Test target is made and the view tests are left out.
set(TAVORIN_QTTEST_SOURCE "" CACHE PATH "Qt's src/testlib folder, of the version of Qt for Windows")
set(TAVORIN_QTTEST_HEADERS /usr/include/x86_64-linux-gnu/qt6/QtTest CACHE PATH
    "The build machine's QtTest headers, of the version of Qt for Windows")
find_package(Qt6 REQUIRED COMPONENTS Core)
if(NOT EXISTS "${TAVORIN_QTTEST_SOURCE}/qtestcase.cpp" OR NOT EXISTS "${TAVORIN_QTTEST_HEADERS}/${Qt6_VERSION}")
    return()
endif()

# The headers as Qt installs them, less the Linux build's valgrind measurer.
set(qttest_include ${CMAKE_BINARY_DIR}/qttest-include)
file(COPY ${TAVORIN_QTTEST_HEADERS} DESTINATION ${qttest_include} PATTERN qttestlib-config.h EXCLUDE)
# Written only when it changes, so that a new configure does not rebuild every view test.
file(CONFIGURE OUTPUT ${qttest_include}/QtTest/qttestlib-config.h @ONLY CONTENT
    "#define QT_FEATURE_testlib_selfcover -1\n#define QT_FEATURE_itemmodeltester 1\n#define QT_FEATURE_valgrind -1\n")

file(GLOB qttest_sources ${TAVORIN_QTTEST_SOURCE}/*.cpp)
list(FILTER qttest_sources EXCLUDE REGEX "/(qappletestlogger|qbenchmarkvalgrind)\\.cpp$")
# The model tester's source takes in its own moc; the event loop's is made from the header.
add_library(tavorin_qttest SHARED ${qttest_sources} ${qttest_include}/QtTest/qtesteventloop.h)
set_target_properties(tavorin_qttest PROPERTIES AUTOMOC ON OUTPUT_NAME Qt6Test PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/gui)
target_include_directories(tavorin_qttest
    PUBLIC ${qttest_include} ${qttest_include}/QtTest
    PRIVATE ${TAVORIN_QTTEST_SOURCE} ${qttest_include}/QtTest/${Qt6_VERSION}
            ${qttest_include}/QtTest/${Qt6_VERSION}/QtTest)
# The definitions of Qt's own build of the module; Qt's code is not held to this project's
# warnings.
target_compile_definitions(tavorin_qttest
    PRIVATE QT_BUILD_TESTLIB_LIB QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_DATASTREAM
            QT_NO_FOREACH QT_NO_MESSAGELOGCONTEXT QT_USE_QSTRINGBUILDER
    PUBLIC QT_TESTLIB_LIB QT_TESTCASE_BUILDDIR="${CMAKE_BINARY_DIR}")
target_compile_options(tavorin_qttest PRIVATE -w)
target_link_libraries(tavorin_qttest PUBLIC Qt6::Core PRIVATE Qt6::CorePrivate)
add_library(Qt6::Test ALIAS tavorin_qttest)
