// Window and dialog wrappers.
