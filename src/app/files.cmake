# project and settings file sources
