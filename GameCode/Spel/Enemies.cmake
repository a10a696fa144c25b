target_sources(Spel PRIVATE BigElite.cpp Boats.cpp Boss.cpp Hits.cpp PlayerHits.cpp SmallFighters.cpp Waves.cpp)
