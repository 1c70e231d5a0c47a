# Sourced by the scripts that build: one compile job a core (2 where nproc is missing).
jobs=$(nproc 2>/dev/null || echo 2)
