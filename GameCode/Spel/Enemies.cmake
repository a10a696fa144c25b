target_sources(Spel PRIVATE EnemyStubs.cpp)
