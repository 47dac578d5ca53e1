// The precompiled Qt headers are made with this empty source (cmake/qt_precompiled.cmake).
